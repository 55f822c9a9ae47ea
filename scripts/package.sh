#!/usr/bin/env bash
# Builds the Debian packages zort and zort-tools into $BUILD_DIR/packages.
#   --clean   starts from an empty build folder
#   --check   checks the packages afterwards (scripts/check-package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
clean=0
check=0
for arg in "$@"; do
  case $arg in
    --clean) clean=1 ;;
    --check) check=1 ;;
    *) echo "package.sh: unknown option $arg" >&2; exit 2 ;;
  esac
done
./scripts/install-deps.sh --package
BUILD_DIR=${BUILD_DIR:-build}
[ "$clean" = 1 ] && rm -rf "$BUILD_DIR"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# What the packages hold (cpack installs what is built; the tests are not needed).
cmake --build "$BUILD_DIR" -j"$(nproc)" --target zortwyp zortdb zortbench zort_changelog zort_manpages
out=$(cd "$BUILD_DIR" && pwd)/packages
rm -rf "$out"
(cd "$BUILD_DIR" && cpack -G DEB -B "$out" >&2)
rm -rf "$out/_CPack_Packages"
ls "$out"/*.deb
if [ "$check" = 1 ]; then
  ./scripts/check-package.sh "$out"/zort_*.deb "$out"/zort-tools_*.deb
fi
