#!/usr/bin/env bash
# Checks a shipped program as users download it: no debug information and no symbols in it, both
# kept in its symbols file beside the build; with --no-cxx-runtime, that the program links none of
# the C++ runtime (strings, exceptions, threads).
# Usage: shipped_program_test.sh OBJDUMP PROGRAM SYMBOLS_FILE [--no-cxx-runtime]
set -euo pipefail
objdump=$1 program=$2 symbols=$3 runtime_check=${4:-}
fail() { echo "FAIL ($(basename "$program")): $*" >&2; exit 1; }

sections=$("$objdump" -h "$program")
! grep -q ' \.debug_' <<<"$sections" || fail "carries debug sections"
[ -z "$("$objdump" -t "$program" | grep -E '^\[ *[0-9]+\]')" ] || fail "carries a symbol table"
[ -f "$symbols" ] || fail "no symbols file $symbols"
kept=$("$objdump" -t "$symbols" | grep -E '^\[ *[0-9]+\]') || fail "the symbols file holds no symbols"
# i686 names carry a leading underscore, and stdcall ones their argument bytes (_WinMain@16).
grep -qE ' _?(WinMain(@16)?|main)$' <<<"$kept" || fail "the symbols file lacks the program's entry"

if [ "$runtime_check" = --no-cxx-runtime ]; then
  # Mangled names of the C++ runtime, the unwinder and the thread library.
  linked=$(grep -oE ' _?(_ZNSt|_ZSt|_ZN9__gnu_cxx|__cxa_|_Unwind_|__gxx_personality|pthread_)[A-Za-z0-9_]*' <<<"$kept" | sort -u | head -5 || true)
  [ -z "$linked" ] || fail "links the C++ runtime:$(echo $linked)"
fi
echo "ok"
