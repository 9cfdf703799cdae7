#!/usr/bin/env bash
# Installs what is missing, builds Velmar with AddressSanitizer and UBSan, and
# runs every test: unit tests, GL tests and whole-program tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVELMAR_SANITIZE=ON -DVELMAR_BUILD_TESTS=ON > /dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
# Whole-program tests start real X servers and programs; one retry keeps a
# slow start on a loaded machine from failing the run.
xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j"$(nproc)" --repeat until-pass:2
