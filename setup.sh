#!/usr/bin/env bash
# Installs what the build and the tests need (idempotent; quick when all is present).
set -euo pipefail
cd "$(dirname "$0")"

APT_PACKAGES=(wine wine32 g++-mingw-w64-i686 cmake make xvfb xauth xdotool imagemagick
              fonts-wine fonts-wqy-microhei nlohmann-json3-dev googletest fp-compiler
              clang libclang-rt-14-dev curl)

missing=()
for p in "${APT_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  missing+=(wine32)
fi
command -v node >/dev/null && command -v npm >/dev/null || missing+=(nodejs npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ -f tests/node/package.json ] && [ ! -d tests/node/node_modules ]; then
  (cd tests/node && npm ci --silent --no-audit --no-fund)
fi
