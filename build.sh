#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs what is missing and builds the Windows programs into build/dist.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
