#!/bin/bash
# Runs the kcg tool as a user does and checks what it prints, its exit status
# and the files it leaves behind.
#
# usage: kcg_test.sh [--runner PROGRAM] [--version X.Y.Z] [--compare NATIVE_KCG] KCG
#   --runner   runs KCG through PROGRAM (scripts/wine-run for kcg.exe)
#   --version  the version --version must report
#   --compare  instead of the behaviour tests, checks that KCG and the native
#              NATIVE_KCG write the same bytes and print the same lines
set -u
export LC_ALL=C

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
data="$root/tests/data/kcg"
sample="$root/samples/example.kcg"
reference="$root/docs/kcg-format.md"

runner=()
expected_version=""
native_kcg=""
while [ $# -gt 1 ]; do
  case "$1" in
    --runner) runner=("$(realpath "$2")"); shift 2 ;;
    --version) expected_version="$2"; shift 2 ;;
    --compare) native_kcg="$2"; shift 2 ;;
    *) break ;;
  esac
done
[ $# -eq 1 ] || { echo "usage: $0 [--runner PROGRAM] [--version X.Y.Z] [--compare NATIVE_KCG] KCG" >&2; exit 2; }
[ -f "$1" ] || { echo "no kcg program at $1" >&2; exit 2; }
kcg="$(realpath "$1")"
if [ -n "$native_kcg" ]; then
  [ -x "$native_kcg" ] || { echo "no native kcg at $native_kcg" >&2; exit 2; }
  native_kcg="$(realpath "$native_kcg")"
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/kcg_test.XXXXXX")"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
# Relative names only: they read the same to the tool natively and under Wine.
cp "$data"/*.kcg "$sample" .

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# kcg ARGS...: runs the tool; sets rc, out and err (line ends normalised, and
# Wine's own notes dropped from err).
kcg() { run_program "$kcg" "${runner[@]}" -- "$@"; }
run_program() {
  local program="$1"; shift
  local through=()
  while [ "$1" != "--" ]; do through+=("$1"); shift; done
  shift
  "${through[@]}" "$program" "$@" >stdout.raw 2>stderr.raw
  rc=$?
  out="$(tr -d '\r' <stdout.raw)"
  err="$(tr -d '\r' <stderr.raw | grep -a -v -e '^wine' -e ':fixme:' -e '^[0-9a-f]*:err:')"
  rm -f stdout.raw stderr.raw
}

expect_rc() { [ "$rc" -eq "$1" ] || fail "$2: exit status $rc, expected $1 (stderr: $err)"; }
expect_out() { [ "$out" = "$1" ] || fail "$2: printed '$out', expected '$1'"; }
expect_err_has() {
  case "$err" in *"$1"*) ;; *) fail "$2: stderr '$err' does not contain '$1'" ;; esac
}

# The file without its time line, which is the one line allowed to differ.
without_time_line() { grep -a -v '^; This file created by TlWriteConfigFile on: ' "$1"; }
same_apart_from_time() { cmp -s <(without_time_line "$1") <(without_time_line "$2"); }

readable_inputs=(valid_minimal.kcg handwritten_crlf.kcg byte_ff.kcg example.kcg)

# ---- check: one line per file --------------------------------------------

test_check_reports_each_reason() {
  local file expected status
  while IFS='|' read -r file status expected; do
    kcg check "$file"
    expect_rc "$status" "check $file"
    expect_out "$file: $expected" "check $file"
  done <<'EOF'
valid_minimal.kcg|0|ok
handwritten_crlf.kcg|0|ok
byte_ff.kcg|0|ok
example.kcg|0|ok
older.kcg|1|older format (VERSION below 5.0)
older_unsectioned.kcg|1|older format (VERSION below 5.0)
newer.kcg|1|newer format (VERSION above 5.0)
no_such_file.kcg|1|cannot be opened
missing_version.kcg|1|required entry VERSION is missing or invalid
missing_application_number.kcg|1|required entry APPLICATION_NUMBER is missing or invalid
missing_file_revision_number.kcg|1|required entry FILE_REVISION_NUMBER is missing or invalid
empty_application_name.kcg|1|required entry APPLICATION_NAME is missing or invalid
unknown_owner.kcg|1|required entry OWNER is missing or invalid
missing_platform.kcg|1|required entry PLATFORM is missing or invalid
quoted_platform.kcg|1|required entry PLATFORM is missing or invalid
EOF
}

test_check_reads_every_file_of_a_mixed_list() {
  # Names after -- are files, even those starting with a dash.
  cp valid_minimal.kcg ./-dash.kcg
  kcg check -- -dash.kcg newer.kcg example.kcg unknown_owner.kcg
  expect_rc 1 "check of a mixed list"
  expect_out "-dash.kcg: ok
newer.kcg: newer format (VERSION above 5.0)
example.kcg: ok
unknown_owner.kcg: required entry OWNER is missing or invalid" "check of a mixed list"
  rm -f ./-dash.kcg

  kcg check valid_minimal.kcg example.kcg
  expect_rc 0 "check of good files only"
  [ -z "$err" ] || fail "check of good files wrote to stderr: $err"
}

# ---- the command line ----------------------------------------------------

test_usage_errors_name_the_problem() {
  local args message
  while IFS='|' read -r args message; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    kcg $args
    expect_rc 2 "kcg $args"
    expect_err_has "$message" "kcg $args"
    [ -z "$out" ] || fail "kcg $args: usage error printed on stdout: $out"
  done <<'EOF'
|missing command
frob|unknown command 'frob'
--frob|unknown option '--frob'
check|missing file
check -x valid_minimal.kcg|unknown option '-x'
fmt|missing input file
fmt valid_minimal.kcg|missing output file
fmt valid_minimal.kcg a.kcg b.kcg|too many arguments
fmt --quiet valid_minimal.kcg a.kcg|unknown option '--quiet'
EOF
  # A command's usage error shows how the command is called.
  kcg fmt valid_minimal.kcg
  expect_err_has "usage: kcg fmt IN OUT" "usage line of fmt"
  [ ! -e a.kcg ] || fail "a usage error of fmt wrote a file"
}

test_help_and_version() {
  kcg --help
  expect_rc 0 "--help"
  local command
  for command in check fmt; do
    case "$out" in *"  $command "*) ;; *) fail "--help does not list $command: $out" ;; esac
  done
  [ -z "$err" ] || fail "--help wrote to stderr: $err"

  kcg fmt --help
  expect_rc 0 "fmt --help"
  case "$out" in "usage: kcg fmt IN OUT"*) ;; *) fail "fmt --help printed '$out'" ;; esac

  kcg --version
  expect_rc 0 "--version"
  if [ -n "$expected_version" ]; then
    expect_out "kcg $expected_version" "--version"
  else
    [[ "$out" =~ ^kcg\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed '$out'"
  fi
}

# ---- fmt -----------------------------------------------------------------

test_fmt_writes_a_new_file() {
  kcg fmt handwritten_crlf.kcg formatted.kcg
  expect_rc 0 "fmt to a new file"
  [ -z "$out$err" ] || fail "fmt to a new file printed: $out $err"
  kcg check formatted.kcg
  expect_out "formatted.kcg: ok" "check of fmt's output"
  # What the hand-written file said survives, in canonical form.
  local line
  while IFS= read -r line; do
    grep -qxF -- "$line"$'\r' formatted.kcg || fail "fmt output lacks the line: $line"
  done <<'EOF'
APPLICATION_NUMBER = 4.81
FILE_REVISION_NUMBER = 2.3
APPLICATION_NAME = "Hand Written \"Quoted\"\, Game"
OWNER = OEM
PLATFORM = DOS
LEVEL = EXPERT
ORIENTATION = VERTICAL
HIDE_FILE = TRUE
SHOW_INSTRUCTIONS = TRUE
[KAVELIN]
[MARROWEL]
BUTTON_B_USER = { MAP, REPEAT_CONSTANT, 3.00 }
BUTTON_11_USER = { SHIELD, SINGLE }
MOTION_MAP_2_POS_USER = { JUMP, REPEAT_CONSTANT, 40.00, 10.00, 2.50 }
SAMPLING_FREQUENCY = 20
EOF
  # Every line ends in CR LF, whatever the platform.
  [ "$(wc -l <formatted.kcg)" -eq "$(grep -c $'\r$' formatted.kcg)" ] || fail "fmt output: not every line ends in CR LF"
  rm -f formatted.kcg

  # A byte above 127 is text like any other, not the end of the file.
  kcg fmt byte_ff.kcg formatted.kcg
  grep -aqF $'APPLICATION_NAME = "Caf\xff Racer"\r' formatted.kcg || fail "fmt lost the name holding a byte 0xFF"
  rm -f formatted.kcg
}

test_fmt_in_place() {
  cp handwritten_crlf.kcg in_place.kcg
  kcg fmt handwritten_crlf.kcg elsewhere.kcg
  local before
  before="$(ls)"
  kcg fmt in_place.kcg in_place.kcg
  expect_rc 0 "fmt in place"
  same_apart_from_time in_place.kcg elsewhere.kcg || fail "fmt in place wrote other content than fmt to a new file"
  # The writer's temporary file must not be left beside the target.
  [ "$(ls)" = "$before" ] || fail "fmt in place left files behind: $(ls)"
  rm -f in_place.kcg elsewhere.kcg
}

test_fmt_of_a_bad_file_writes_nothing() {
  kcg fmt newer.kcg absent.kcg
  expect_rc 1 "fmt of a newer file"
  expect_err_has "newer.kcg: newer format (VERSION above 5.0)" "fmt of a newer file"
  [ ! -e absent.kcg ] || fail "fmt of a bad file created its output"

  printf 'keep me\n' >existing.kcg
  local file
  for file in missing_platform.kcg no_such_file.kcg; do
    kcg fmt "$file" existing.kcg
    expect_rc 1 "fmt $file over an existing file"
    [ "$(cat existing.kcg)" = "keep me" ] || fail "fmt of $file changed its output file"
  done
  expect_err_has "no_such_file.kcg: cannot be opened" "fmt of a missing file"
  rm -f existing.kcg
}

test_fmt_says_when_it_cannot_write() {
  kcg fmt valid_minimal.kcg no_such_folder/out.kcg
  expect_rc 1 "fmt into a missing folder"
  expect_err_has "no_such_folder/out.kcg: cannot be written" "fmt into a missing folder"
}

test_fmt_output_is_a_fixed_point() {
  local file
  for file in "${readable_inputs[@]}"; do
    kcg fmt "$file" once.kcg
    kcg fmt once.kcg twice.kcg
    expect_rc 0 "second fmt of $file"
    [ "$(grep -a -c '^; This file created by TlWriteConfigFile on: ' twice.kcg)" = 1 ] ||
      fail "fmt of $file: not exactly one time line"
    same_apart_from_time once.kcg twice.kcg || fail "fmt of $file is not a fixed point"
    rm -f once.kcg twice.kcg
  done
}

# ---- the example of the format reference ----------------------------------

test_example_is_canonical_and_documented() {
  # The sample is what fmt writes (apart from the time line and line ends) ...
  kcg fmt example.kcg example_out.kcg
  expect_rc 0 "fmt of the example"
  cmp -s <(without_time_line example.kcg) <(tr -d '\r' <example_out.kcg | grep -a -v '^; This file created by') ||
    fail "the example is not in the canonical layout: $(diff <(without_time_line example.kcg) \
      <(tr -d '\r' <example_out.kcg | grep -a -v '^; This file created by') | head -5)"
  rm -f example_out.kcg
  # ... and the reference shows it as it is.
  awk '/^<!-- example begins -->/ { inside = 1; next }
       /^<!-- example ends -->/ { inside = 0 }
       inside && !/^```/' "$reference" >example_in_reference.kcg
  cmp -s example_in_reference.kcg example.kcg || fail "the example in the reference differs from samples/example.kcg"
  rm -f example_in_reference.kcg
}

# ---- native and Windows builds agree --------------------------------------

test_builds_write_the_same_bytes() {
  local file
  for file in "${readable_inputs[@]}"; do
    kcg fmt "$file" windows.kcg
    expect_rc 0 "fmt of $file"
    run_program "$native_kcg" -- fmt "$file" native.kcg
    expect_rc 0 "native fmt of $file"
    same_apart_from_time windows.kcg native.kcg || fail "the builds wrote different bytes for $file"
    rm -f windows.kcg native.kcg
  done

  local windows_lines
  kcg check ./*.kcg
  windows_lines="$out"
  run_program "$native_kcg" -- check ./*.kcg
  [ "$windows_lines" = "$out" ] || fail "the builds' check lines differ: $(diff <(echo "$windows_lines") <(echo "$out"))"
}

if [ -n "$native_kcg" ]; then
  tests=(test_builds_write_the_same_bytes)
else
  mapfile -t tests < <(declare -F | awk '$3 ~ /^test_/ && $3 != "test_builds_write_the_same_bytes" { print $3 }')
fi
for t in "${tests[@]}"; do
  echo "-- $t"
  "$t"
done
if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all passed"
