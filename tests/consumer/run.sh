#!/usr/bin/env bash
# Installs the build into a package folder, builds the consumer against it with
# find_package, and runs it under Wine. Arguments: source root, build folder.
set -euo pipefail
root=$1
build=$2
package=$build/consumer-package
consumer=$build/consumer-build

rm -rf "$package" "$consumer"
cmake --install "$build" --prefix "$package" >/dev/null
cmake -S "$root/tests/consumer" -B "$consumer" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$package" >/dev/null
cmake --build "$consumer" >/dev/null
# The consumer's folder is not the project's bin folder: name the prefix explicitly.
TNW_WINEPREFIX="$build/wineprefix" "$root/scripts/wine-run" "$consumer/consumer.exe"
