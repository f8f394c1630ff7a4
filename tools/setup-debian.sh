#!/bin/sh
# Installs the Debian packages the build needs, or, when not run as root, prints the line that does.
# Usage: tools/setup-debian.sh native|win32
set -eu

native="cmake ninja-build g++ pkg-config libcairo2-dev libimagequant-dev libcli11-dev nlohmann-json3-dev googletest fonts-dejavu-core libpng-dev libfreetype-dev fonts-dseg clang libclang-rt-dev libbenchmark-dev libcpp-httplib-dev chromium nodejs"
win32="g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386"

# Node.js from elsewhere brings its own npm; Debian's comes as a package of its own.
command -v npm >/dev/null 2>&1 || native="$native npm"

# The browser test's driver, puppeteer-core, at the version its lock file names.
browser_packages() {
  browser="$(dirname "$0")/../tests/browser"
  [ -d "$browser/node_modules/puppeteer-core" ] || (cd "$browser" && npm ci --no-audit --no-fund)
}

case "${1:-native}" in
  native) wanted="$native" ;;
  win32) wanted="$native $win32" ;;
  *) echo "usage: $0 native|win32" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
if [ -z "$missing" ]; then
  browser_packages
  exit 0
fi

needs_i386=false
case "$missing" in *:i386*) needs_i386=true ;; esac

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages:$missing" >&2
  echo "Install them with:" >&2
  if $needs_i386; then echo "  sudo dpkg --add-architecture i386 && sudo apt-get update && sudo apt-get install -y$missing" >&2
  else echo "  sudo apt-get update && sudo apt-get install -y$missing" >&2; fi
  exit 1
fi

echo "Installing:$missing"
if $needs_i386 && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing
browser_packages
