#!/usr/bin/env bash
# Installs what is missing, builds Velmar with AddressSanitizer and UBSan, and
# runs every test: unit tests, GL tests and whole-program tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVELMAR_SANITIZE=ON -DVELMAR_BUILD_TESTS=ON > /dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
# The server must not reset when its last client goes: a GL test that
# connects during the reset is refused.
run_ctest() {
    xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" ctest --output-on-failure -j"$(nproc)" "$@"
}
# No test gets a second chance: each waits for what it needs, however loaded
# the machine. The quick ones first.
run_ctest -LE app
run_ctest -L app
