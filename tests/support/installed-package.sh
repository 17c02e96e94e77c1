#!/usr/bin/env bash
# Programs outside the tree, built against the installed package as an application is.
#   installed-package.sh install <build folder>
#       installs the build into <build folder>/package (once, for every project below)
#   installed-package.sh run <source root> <build folder> <project folder> <name> <program>...
#       configures and builds the project against that package in <build folder>/<name>,
#       then runs each program under Wine; a program is one word with its arguments,
#       "first-app.exe /close:1". The first failure ends the run and shows what it said.
set -euo pipefail
mode=$1
if [[ $mode == install ]]; then
  build=$(cd "$2" && pwd)
else
  root=$2
  build=$(cd "$3" && pwd)
  project=$4
  name=$5
  shift 5
fi
package=$build/package

# Runs a step quietly; a step that fails shows what it said and ends the test.
step() {
  "$@" >"$log" 2>&1 || { status=$?; cat "$log"; echo "failed ($status): $*"; exit 1; }
}

if [[ $mode == install ]]; then
  log=$build/package.log
  rm -rf "$package"
  step cmake --install "$build" --prefix "$package"
  exit 0
fi

out=$build/$name
log=$build/$name.log
rm -rf "$out"
step cmake -S "$project" -B "$out" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$package"
step cmake --build "$out"
for program in "$@"; do
  read -r -a words <<<"$program"
  echo "== ${words[*]}"
  # The programs' folder is not the project's bin folder: name the prefix explicitly.
  TNW_WINEPREFIX="$build/wineprefix" "$root/scripts/wine-run" "$out/${words[0]}" "${words[@]:1}" ||
    { status=$?; echo "$name: ${words[0]} ended with $status"; exit "$status"; }
done
