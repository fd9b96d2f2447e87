#!/usr/bin/env bash
# Installs what is missing, builds and starts ZUN_ST with the shipped
# derating table data/bked.txt (copied beside the program by the build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"
cd build/bin
exec ./ZUN_ST
