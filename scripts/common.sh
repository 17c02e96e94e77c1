# Shared by the project's scripts: where things are.
TNW_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TNW_BUILD=${TNW_BUILD_DIR:-$TNW_ROOT/build}
