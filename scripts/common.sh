# Shared by the project's scripts: where things are.
TNW_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TNW_BUILD=${TNW_BUILD_DIR:-$TNW_ROOT/build}

# The native test build of the parsers (clang, sanitizers, libFuzzer) lives beside the
# Windows build.
TNW_NATIVE_BUILD=$TNW_BUILD/native

# native_build [cmake options...]: configures and builds the native test build.
native_build() {
  cmake -S "$TNW_ROOT/fuzz" -B "$TNW_NATIVE_BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    "$@" >/dev/null
  cmake --build "$TNW_NATIVE_BUILD" -j"$(nproc)"
}
