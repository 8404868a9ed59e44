#!/usr/bin/env bash
# install_test.sh BUILD_DIR CONSUMER_DIR EXAMPLE_SOURCE svg|nosvg
# Installs BUILD_DIR into a temporary prefix and checks the installed tree.
set -euo pipefail
build=$1 consumer=$2 example=$3 svg=$4

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [ -f "$prefix/$1" ] || fail "missing $1"; }
expect_program() { [ -x "$prefix/bin/$1" ] || fail "missing program bin/$1"; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for p in orvant orvant-cli k2207-sim; do expect_program "$p"; done
[ ! -e "$prefix/bin/orvant-icon-export" ] || fail "the build-time icon tool is installed"
libdir=lib
[ -d "$prefix/lib/x86_64-linux-gnu" ] && libdir=lib/x86_64-linux-gnu
[ -d "$prefix/lib64" ] && libdir=lib64
compgen -G "$prefix/$libdir/libsimple_comm.so.1*" >/dev/null || fail "missing libsimple_comm.so.1"
expect_file include/simple_comm/simple_comm.h
expect_file include/simple_comm/simple_comm_qt.h
expect_file "$libdir/cmake/simple_comm/simple_commConfig.cmake"
expect_file "$libdir/cmake/simple_comm/simple_commConfigVersion.cmake"
expect_file share/man/man1/orvant-cli.1
expect_file share/applications/orvant.desktop

desktop="$prefix/share/applications/orvant.desktop"
if [ -f "$desktop" ]; then
  grep -qx 'Exec=orvant' "$desktop" || fail "desktop entry does not start orvant"
  grep -qx 'Icon=orvant' "$desktop" || fail "desktop entry does not name the icon orvant"
  grep -Eq '^Categories=(.*;)?Development;(.*;)?Electronics;' "$desktop" ||
    fail "desktop entry is not in Development and Electronics"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the entry"
  fi
fi

for side in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${side}x${side}/apps/orvant.png"
  if [ ! -f "$png" ]; then
    fail "missing icon ${side}x${side}"
  elif [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    fail "icon ${side}x${side} is not a PNG"
  else
    # The PNG header's width and height, big-endian at bytes 16..23.
    dims=$(od -An -j16 -N8 -tu1 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$dims" = "$side $side" ] || fail "icon ${side}x${side} is $dims"
  fi
done
if [ "$svg" = svg ]; then
  svgfile="$prefix/share/icons/hicolor/scalable/apps/orvant.svg"
  grep -q '<svg' "$svgfile" 2>/dev/null || fail "missing or empty scalable icon"
fi

# The installed programs run from the prefix and answer the usual options.
"$prefix/bin/orvant-cli" --version | grep -q '^orvant-cli [0-9]' || fail "orvant-cli --version"
"$prefix/bin/k2207-sim" --help | grep -q '^usage: k2207-sim' || fail "k2207-sim --help"
if command -v man >/dev/null; then
  man -l "$prefix/share/man/man1/orvant-cli.1" 2>&1 | grep -q 'identify' || fail "man page"
fi

# Someone else's program builds against the installed library through its CMake package.
cmake -S "$consumer" -B "$prefix/consumer-build" -DCMAKE_PREFIX_PATH="$prefix" \
  -DEXAMPLE_SOURCE="$example" >"$prefix/consumer.log" 2>&1 &&
  cmake --build "$prefix/consumer-build" >>"$prefix/consumer.log" 2>&1 ||
  { cat "$prefix/consumer.log"; fail "a program does not build against the installed library"; }

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in the installed tree"
  exit 1
fi
echo "installed tree complete"
