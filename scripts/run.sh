#!/usr/bin/env bash
# Sets up the machine and builds the program. Until the main window exists this builds
# every library and says so.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXLUNE_TESTS=OFF
cmake --build build/release -j2
echo "built the libraries in build/release; the main window is not there yet"
