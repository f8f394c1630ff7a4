# `make`: sets up, builds both builds, puts the .gau modules into dist/Gauges and prints their gauges,
# and draws the sample panel's windows (dist/panel-<ident>.png) and a contact sheet of every gauge (dist/sheet.png).
# `make test`: sets up, builds, and runs every test natively, under the sanitizers and under Wine.
SHELL := /bin/sh
NATIVE := build/native
PRESETS := native sanitize win32

.PHONY: all setup native sanitize win32 test gauges drawings clean

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

gauges: native
	@$(NATIVE)/host/gaugehost --module-dir $(NATIVE)/gauges gauges
	@echo "Shipped modules:" && ls -l dist/Gauges/*.gau

# Drawn by the native bench host from the modules at their parked-aircraft host values.
drawings: native
	@$(NATIVE)/host/gaugehost --module-dir $(NATIVE)/gauges panel modules/panel.cfg --out-dir dist
	@$(NATIVE)/host/gaugehost --module-dir $(NATIVE)/gauges sheet -o dist/sheet.png

test: win32 sanitize
	ctest --preset native
	ctest --preset sanitize
	ctest --preset win32

clean:
	rm -rf build dist
