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
# Passes CTest's output through and, just before its closing summary, names the
# tests it started more than once, so the summary stays the last thing printed.
name_retries() {
    awk '
        function report(  list, i) {
            for (i = 1; i <= count; ++i) list = list (i > 1 ? ", " : "") order[i]
            print "Tests that needed a retry: " (count ? list : "none")
            told = 1
        }
        match($0, /^ *Start +[0-9]+: /) {
            name = substr($0, RLENGTH + 1)
            if (started[name]++ == 1) order[++count] = name
        }
        /^[0-9]+% tests passed/ && !told { report() }
        { print; fflush() }
        END { if (!told) report() }'
}
# Unit, GL, fuzz and build tests get no second chance.
run_ctest -LE app
# Whole-program tests start real X servers and programs; one retry keeps a
# slow start on a loaded machine from failing the run, and is reported.
run_ctest -L app --repeat until-pass:2 | name_retries
