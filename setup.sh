#!/usr/bin/env bash
# Installs what the build and the tests need (idempotent; quick when all is present).
set -euo pipefail
cd "$(dirname "$0")"
source cmake/arch.sh

APT_PACKAGES=(wine wine32 g++-mingw-w64-i686 cmake make xvfb xauth xdotool imagemagick
              fonts-wine fonts-wqy-microhei fonts-symbola nlohmann-json3-dev googletest fp-compiler
              clang libclang-rt-14-dev curl locales)
# Where 32-bit programs cannot run, the same sources are built as x86_64 and run under 64-bit Wine.
APT_PACKAGES_X86_64=(wine64 g++-mingw-w64-x86-64)

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
install_packages() {
  [ $# -gt 0 ] || return 0
  echo "setup: installing $*"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

mapfile -t missing < <(missing_of "${APT_PACKAGES[@]}")
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  missing+=(wine32)
fi
command -v node >/dev/null && command -v npm >/dev/null || missing+=(nodejs npm)
install_packages "${missing[@]}"

# Only now can the 32-bit loader be tried.
arch=$(kest_arch)
if [ "$arch" = x86_64 ]; then
  mapfile -t missing < <(missing_of "${APT_PACKAGES_X86_64[@]}")
  install_packages "${missing[@]}"
fi

# Wine gives a program the user locale of its LANG only when the C library has that locale: the
# gallery shows its calendars in English, German and Chinese.
KEST_LOCALES=(en_US de_DE zh_CN)
missing_locales=()
for l in "${KEST_LOCALES[@]}"; do
  locale -a | grep -qx "$l.utf8" || missing_locales+=("$l")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  echo "setup: generating the locales ${missing_locales[*]}"
  for l in "${missing_locales[@]}"; do
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen ||
      sed -i "s/^# *$l.UTF-8 UTF-8/$l.UTF-8 UTF-8/" /etc/locale.gen
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" >>/etc/locale.gen
  done
  locale-gen >/dev/null
fi

if [ -f tests/node/package.json ] && [ ! -d tests/node/node_modules ]; then
  (cd tests/node && npm ci --silent --no-audit --no-fund)
fi
