#!/usr/bin/env bash
# Installs the build into a package folder, builds the consumer against it with
# find_package, and runs it under Wine. Arguments: source root, build folder.
set -euo pipefail
root=$1
build=$2
package=$build/consumer-package
consumer=$build/consumer-build

log=$build/consumer.log

# Runs a step quietly; a step that fails shows what it said and ends the test.
step() {
  "$@" >"$log" 2>&1 || { status=$?; cat "$log"; echo "consumer: failed ($status): $*"; exit 1; }
}

rm -rf "$package" "$consumer"
step cmake --install "$build" --prefix "$package"
step cmake -S "$root/tests/consumer" -B "$consumer" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$package"
step cmake --build "$consumer"
# The consumer's folder is not the project's bin folder: name the prefix explicitly.
TNW_WINEPREFIX="$build/wineprefix" "$root/scripts/wine-run" "$consumer/consumer.exe" ||
  { status=$?; echo "consumer: the program ended with $status"; exit "$status"; }
