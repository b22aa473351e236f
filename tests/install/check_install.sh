#!/usr/bin/env bash
# check_install.sh BUILD_DIR CONSUMER_SOURCE WORK_DIR
set -euo pipefail
build=$1 source=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" > "$work/install.log"
test -f "$prefix/include/zentoir/zentoir.h"
test -f "$prefix/lib/libzentoir.a"
# Only the public headers: the commands and their record types, nothing internal.
for internal in os/File.h base/RuntimeContext.h base/Hooks.h gfx2d/renderer/OpenGLRadazuri.h audio/MusicTrack.h; do
  test ! -e "$prefix/include/zentoir/$internal"
done

echo "-- CMake package"
cmake -S "$source" -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" > "$work/configure.log"
cmake --build "$work/cmake-build" > "$work/build.log"
"$work/cmake-build/consumer" | tee "$work/cmake-run.txt"
grep -qx "Punkte: 42" "$work/cmake-run.txt"

echo "-- pkg-config"
export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
# shellcheck disable=SC2046
c++ -o "$work/consumer-pc" "$source/main.cpp" $(pkg-config --cflags --libs zentoir)
"$work/consumer-pc" | grep -qx "Punkte: 42"
echo "installed runtime works"
