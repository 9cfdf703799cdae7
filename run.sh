#!/usr/bin/env bash
# Installs what is missing, builds Velmar and starts the aquarium.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j"$(nproc)" --target velmar
exec build/velmar
