# `make`: sets up, builds both builds, puts the .gau modules into dist/Gauges and prints their gauges,
# and draws the sample panel's windows (dist/panel-<ident>.png) and a contact sheet of every gauge (dist/sheet.png).
# `make test`: sets up, builds, and runs every test natively, under the sanitizers, under Wine, and each
# fuzz target for a few seconds.
# `make fuzz`: runs every fuzz target for FUZZ_SECONDS (60) each, growing its corpus in build/fuzz/fuzz-corpus.
# `make bench`: the benchmarks, with their goals.
SHELL := /bin/sh
NATIVE := build/native
PRESETS := native sanitize win32 fuzz
FUZZ_SECONDS := 60
FUZZ_TARGETS := scenario_fuzz panel_config_fuzz bitmap_fuzz pe_image_fuzz gauges_fuzz linkage_fuzz

.PHONY: all setup native sanitize win32 fuzz-build fuzz bench test gauges drawings clean

all: win32 gauges drawings

setup:
	@tools/setup-debian.sh win32

native: setup
	cmake --preset native
	cmake --build --preset native

sanitize: setup
	cmake --preset sanitize
	cmake --build --preset sanitize

# The Windows build draws its pictures with the native build's generator.
win32: native
	cmake --preset win32
	cmake --build --preset win32

# The fuzz targets seed their PE reader with the shipped modules, so the Windows build comes first.
fuzz-build: setup win32
	cmake --preset fuzz
	cmake --build --preset fuzz

fuzz: fuzz-build
	@for target in $(FUZZ_TARGETS); do \
	  echo "== $$target, $(FUZZ_SECONDS) s"; \
	  build/fuzz/tests/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -max_len=16384 -timeout=10 -rss_limit_mb=4096 \
	    -print_final_stats=1 -artifact_prefix=build/fuzz/ build/fuzz/fuzz-corpus/$$target 2>&1 \
	    | grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb|Done)|ERROR|SUMMARY' || exit 1; \
	done

bench: native
	cmake --build --preset native --target bench

gauges: native
	@$(NATIVE)/host/gaugehost --module-dir $(NATIVE)/gauges gauges
	@echo "Shipped modules:" && ls -l dist/Gauges/*.gau

# Drawn by the native bench host from the modules at their parked-aircraft host values.
drawings: native
	@$(NATIVE)/host/gaugehost --module-dir $(NATIVE)/gauges panel modules/panel.cfg --out-dir dist
	@$(NATIVE)/host/gaugehost --module-dir $(NATIVE)/gauges sheet -o dist/sheet.png

test: win32 sanitize fuzz-build
	ctest --preset native
	ctest --preset sanitize
	ctest --preset win32
	ctest --preset fuzz

clean:
	rm -rf build dist
