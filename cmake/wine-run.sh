#!/bin/sh
# Runs a Windows program under Wine in the build's own quiet prefix.
# WINEPREFIX may be set by the caller; it defaults to a folder beside the program.
: "${WINEPREFIX:=$(dirname "$1")/wineprefix}"
export WINEPREFIX
export WINEDEBUG=-all
# No Mono or Gecko installer prompts: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
