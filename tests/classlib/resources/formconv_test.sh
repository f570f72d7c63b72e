#!/usr/bin/env bash
# formconv end to end: good, bad and missing input, with the build's host tool and the Windows
# tool under Wine. Usage: formconv_test.sh FIXTURES WORKDIR HOST_FORMCONV FORMCONV_EXE WINE_RUN...
set -u
fixtures=$1 work=$2 host=$3 exe=$4
shift 4
wine_run=("$@")
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
cp "$fixtures/form.txt" "$fixtures/bad.txt" .
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# check NAME EXPECTED_EXIT STDERR_PATTERN -- COMMAND...: exit code, and a one-line message on failure.
check() {
  local name=$1 expected=$2 pattern=$3
  shift 4
  "$@" >stdout.txt 2>stderr.txt
  local code=$?
  [ "$code" -eq "$expected" ] || fail "$name: exit $code, expected $expected"
  if [ "$expected" -ne 0 ]; then
    [ "$(tr -d '\r' <stderr.txt | grep -c .)" -eq 1 ] || fail "$name: expected one line, got: $(cat stderr.txt)"
    grep -q -- "$pattern" stderr.txt || fail "$name: message '$(cat stderr.txt)' lacks '$pattern'"
  fi
}

# A form whose binary and text forms are some kilobytes long.
{ printf 'object Big: TBig\r\n  Data = {'
  for i in $(seq 100); do printf '\r\n    0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF'; done
  printf '}\r\nend\r\n'; } >big.txt
"$host" to-binary big.txt big.bin || fail "host: big.txt does not convert"

for tool in host exe; do
  if [ $tool = host ]; then run=("$host"); else run=("${wine_run[@]}" "$exe"); fi
  check "$tool to-binary" 0 "" -- "${run[@]}" to-binary form.txt $tool.bin
  check "$tool to-text" 0 "" -- "${run[@]}" to-text $tool.bin $tool.txt
  cmp -s form.txt $tool.txt || fail "$tool: text -> binary -> text changed the text"
  head -c 4 $tool.bin | grep -q TPF0 || fail "$tool: no TPF0 signature"
  check "$tool bad text" 1 "bad.txt: Line 3: '=' expected" -- "${run[@]}" to-binary bad.txt $tool.bad
  [ ! -e $tool.bad ] || fail "$tool: output written for bad input"
  check "$tool text as binary" 1 "Invalid stream format" -- "${run[@]}" to-text form.txt $tool.bad
  check "$tool missing file" 1 "Cannot open file" -- "${run[@]}" to-binary missing.txt $tool.bad
  check "$tool usage" 1 "usage: formconv" -- "${run[@]}" to-json form.txt $tool.bad

  # An existing OUT is replaced; one that a write fails to fill (here a file size limit of 1 KiB)
  # stays as it was, and nothing is left beside it.
  check "$tool over an existing file" 0 "" -- "${run[@]}" to-binary big.txt $tool.big.bin
  check "$tool over an existing file" 0 "" -- "${run[@]}" to-text $tool.big.bin $tool.big.bin
  cmp -s big.txt $tool.big.bin || fail "$tool: an existing OUT was not replaced by the whole text"
  for mode in to-binary to-text; do
    [ $mode = to-binary ] && in=big.txt || in=big.bin
    printf 'kept' >$tool.kept
    check "$tool $mode failing write" 1 "Stream write error" -- bash -c 'trap "" XFSZ; ulimit -f 2; exec "$@"' - "${run[@]}" $mode $in $tool.kept
    [ "$(cat $tool.kept)" = kept ] || fail "$tool $mode: a failing write changed OUT ($(wc -c <$tool.kept) bytes)"
    [ ! -e $tool.kept.partial ] || fail "$tool $mode: a failing write left $tool.kept.partial"
  done
done
cmp -s host.bin exe.bin || fail "the Windows tool and the build's tool disagree"

[ $failures -eq 0 ] && echo "formconv: all checks passed"
exit $((failures > 0))
