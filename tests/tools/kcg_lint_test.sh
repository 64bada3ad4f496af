#!/bin/bash
# Runs "kcg lint" as a user does: over one small file per check and a folder
# (tests/data/lint, whose expected.txt holds every line lint must print), over
# the samples, which must lint clean but for the damaged file, and with a
# wrong command line. Every check must be in the format reference.
#
# usage: kcg_lint_test.sh [--runner PROGRAM] KCG
set -u
export LC_ALL=C

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"

runner=()
if [ $# -gt 1 ] && [ "$1" = "--runner" ]; then runner=("$(realpath "$2")"); shift 2; fi
[ $# -eq 1 ] && [ -f "$1" ] || { echo "usage: $0 [--runner PROGRAM] KCG" >&2; exit 2; }
kcg="$(realpath "$1")"

work="$(mktemp -d "${TMPDIR:-/tmp}/kcg_lint_test.XXXXXX")"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
# Relative names only: they read the same to the tool natively and under Wine.
cp -r "$root/tests/data/lint" "$root/samples/install/config/default/win" "$root/samples/install/config/default/dos" \
  "$root/samples/example.kcg" .

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# kcg ARGS...: runs the tool; sets rc, out and err (CR removed, Wine's notes dropped).
kcg() {
  "${runner[@]}" "$kcg" "$@" >stdout.raw 2>stderr.raw
  rc=$?
  out="$(tr -d '\r' <stdout.raw)"
  err="$(tr -d '\r' <stderr.raw | grep -a -v -e '^wine' -e ':fixme:' -e '^[0-9a-f]*:err:')"
  rm -f stdout.raw stderr.raw
}

expect() { # STATUS OUTPUT WHAT
  [ "$rc" -eq "$1" ] || fail "$3: exit status $rc, expected $1 (stderr: $err)"
  [ "$out" = "$2" ] || fail "$3: $(diff <(echo "$2") <(echo "$out"))"
}

# One file per check, and the folder's checks.
cd lint || exit 2
kcg lint ./*.kcg folder
expect 1 "$(sed 's|^|./|; s|^\./folder/|folder/|' expected.txt)" "lint of the check files"
for file in ./*.kcg; do
  kcg lint "$file"
  expect 1 "$(grep "^${file#./}:" expected.txt | sed 's|^|./|')" "lint of $file alone"
done
cd .. || exit 2

# The samples read clean; the damaged file is meant not to read.
kcg lint win dos example.kcg
expect 1 "win/damaged.kcg:1: warning: the file does not read: required entry OWNER is missing or invalid [unreadable]" \
  "lint of the samples"
kcg lint dos example.kcg
expect 0 "" "lint of clean files"

while IFS='|' read -r args message; do
  # shellcheck disable=SC2086 # the arguments are split on purpose
  kcg lint $args
  [ "$rc" -eq 2 ] && [[ "$err" == *"$message"* ]] || fail "lint $args: status $rc, stderr '$err'"
done <<'LIST'
|missing file or folder
-q example.kcg|unknown option '-q'
LIST

for check in $(sed 's/.*\[\(.*\)\]$/\1/' lint/expected.txt | sort -u); do
  grep -q "\[$check\]" "$root/docs/kcg-format.md" || fail "the format reference does not list the check $check"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all passed"
