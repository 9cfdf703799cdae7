#!/usr/bin/env bash
# Installs what is missing, makes a release build and the Debian package from
# it: BUILD_DIR/velmar_VERSION-1_ARCH.deb (BUILD_DIR defaults to build-deb).
#   scripts/build-deb.sh [BUILD_DIR]
# Compiled with Debian's hardening flags, as the distribution's own packages are.
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$source/build-deb}")
"$source/scripts/install-deps.sh"
# Debug information would only be stripped from the package again.
flags() {
    DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CFLAGS_MAINT_STRIP=-g DEB_CXXFLAGS_MAINT_STRIP=-g \
        dpkg-buildflags --get "$1"
}
cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS="$(flags CPPFLAGS) $(flags CFLAGS)" \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" > /dev/null
cmake --build "$build" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
cd "$build"
rm -f velmar_*.deb
cpack -G DEB > /dev/null
ls "$build"/velmar_*.deb
