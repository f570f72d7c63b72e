#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs what is missing and builds the Windows programs.
# The shipped i686 programs land in build/dist on every machine. Where this machine cannot run
# 32-bit programs (or KEST_ARCH=x86_64), the same sources are built whole as x86_64 in build-x86_64,
# whose programs the main job and the tests then run; build/ then holds only the products.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
source cmake/arch.sh
arch=$(kest_arch)

configure() { cmake -S . -B "$(kest_build_dir "$1")" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$1.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null; }

configure i686
if [ "$arch" = i686 ]; then
  cmake --build build -j"$(nproc)"
else
  cmake --build build -j"$(nproc)" --target up tips kest_launcher
  configure "$arch"
  cmake --build "$(kest_build_dir "$arch")" -j"$(nproc)"
fi
