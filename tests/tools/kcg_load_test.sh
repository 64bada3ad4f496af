#!/bin/bash
# Runs "kcg load" as a user does: into a .reg registry file on any platform,
# and, for kcg.exe under Wine, into Wine's real registry. Both must write the
# values of kcg_load/expected.txt.
#
# usage: kcg_load_test.sh [--runner PROGRAM] KCG
#   --runner  runs KCG through PROGRAM (scripts/wine-run for kcg.exe); the
#             program and regedit then also load into the real registry
set -u
export LC_ALL=C

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="$here/kcg_load"

runner=()
if [ $# -gt 1 ] && [ "$1" = "--runner" ]; then runner=("$(realpath "$2")"); shift 2; fi
[ $# -eq 1 ] && [ -f "$1" ] || { echo "usage: $0 [--runner PROGRAM] KCG" >&2; exit 2; }
kcg="$(realpath "$1")"

work="$(mktemp -d "${TMPDIR:-/tmp}/kcg_load_test.XXXXXX")"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
# Relative names only: they read the same to the tool natively and under Wine.
cp "$data/game.kcg" "$data/joystick.reg" .

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# kcg ARGS...: runs the tool; sets rc and out (stdout and stderr, CR removed).
kcg() {
  "${runner[@]}" "$kcg" "$@" >output.raw 2>&1
  rc=$?
  out="$(tr -d '\r' <output.raw | grep -v -e ':fixme:' -e '^[0-9a-f]*:err:')"
  rm -f output.raw
}
expect_rc() { [ "$rc" -eq "$1" ] || fail "$2: exit status $rc, expected $1 ($out)"; }
expect_out_has() { case "$out" in *"$1"*) ;; *) fail "$2: output '$out' lacks '$1'" ;; esac; }

# The values of the driver's two keys in a .reg file, one sorted line each,
# hex lines joined; the configuration file's path is left out (it differs
# between platforms) and checked on its own.
driver_values() {
  tr -d '\r' <"$1" | sed -e ':a' -e '/\\$/{N; s/\\\n *//; ba}' | awk '
    /^\[/ { key = ""
            if ($0 ~ /\\CurrentJoystickSettings\]$/) key = "CurrentJoystickSettings"
            if ($0 ~ /\\JoystickSettings\\Marrowel\]$/) key = "JoystickSettings\\Marrowel"
            next }
    key != "" && /^"/ && !/^"Joy1ConfigurationFile"=/ { print key " " $0 }' | sort
}

test_usage() {
  kcg load; expect_rc 2 "load without a file"
  expect_out_has "kcg load: missing file" "load without a file"
  expect_out_has "usage: kcg load FILE [--registry REGFILE]" "load without a file"
  kcg load game.kcg --registry; expect_rc 2 "--registry without a file"
  expect_out_has "kcg load: --registry needs a registry file" "--registry without a file"
  kcg load game.kcg --registry=; expect_rc 2 "--registry= without a file"
  expect_out_has "kcg load: --registry needs a registry file" "--registry= without a file"
  kcg load game.kcg other.kcg; expect_rc 2 "two files"
  kcg load --colour game.kcg; expect_rc 2 "unknown option"
  # After "--" a name that looks like an option is a file.
  kcg load -- --registry; expect_rc 1 "a file named like an option"
  expect_out_has "--registry: " "a file named like an option"
}

test_loads_into_a_registry_file_keeping_what_it_held() {
  cp joystick.reg registry.reg
  # Keys that have nothing to do with the joystick stay as they were.
  printf '%s\r\n' '' '[HKEY_CURRENT_USER\Software\Kept]' '"Name"="a \"quoted\" \\ text"' \
    '"Count"=dword:0000002a' >>registry.reg
  kcg load game.kcg --registry registry.reg
  expect_rc 0 "load into a registry file"
  expect_out_has "game.kcg: loaded into the joystick driver (the Kavelin is joystick 2)." "load into a registry file"
  expect_out_has "registry.reg: registry written." "load into a registry file"
  grep -q '^"Name"="a \\"quoted\\" \\\\ text"' registry.reg || fail "a string of another key was not kept"
  grep -q '^"Count"=dword:0000002a' registry.reg || fail "a dword of another key was not kept"
  grep -q '^"Joy1ConfigurationFile"=".*game\.kcg"' registry.reg || fail "no configuration file path"
  diff <(driver_values registry.reg) "$data/expected.txt" >/dev/null || fail "registry file values differ from expected.txt"

  # Loading the same file again changes nothing, so the file stays as it is.
  cp registry.reg first.reg
  kcg load game.kcg --registry=registry.reg
  expect_rc 0 "second load"
  cmp -s first.reg registry.reg || fail "a second load changed the registry file"
}

test_failures_say_why() {
  printf 'REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\MediaResources\\Joystick\\msjstick.drv]\r\n' \
    >unselected.reg
  kcg load game.kcg --registry unselected.reg
  expect_rc 3 "load without the Kavelin selected"
  expect_out_has "The Kavelin must be the selected joystick in the control panel." "load without the Kavelin selected"
  grep -q '^"Joystick1OEMcfgMode"="DRV"' unselected.reg || fail "values not written when the Kavelin is not selected"

  cp joystick.reg missing.reg
  kcg load absent.kcg --registry missing.reg
  expect_rc 1 "load of a missing file"
  expect_out_has "absent.kcg: the load failed: the file does not read (cannot be opened)." "load of a missing file"
  cmp -s joystick.reg missing.reg || fail "a failed load rewrote an unchanged registry file"

  kcg load game.kcg --registry new.reg
  expect_rc 1 "load into an empty registry"
  expect_out_has "the joystick registry key HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\MediaResources\\Joystick is missing" \
    "load into an empty registry"
  [ ! -e new.reg ] || fail "a load that changed nothing created a registry file"

  printf 'REGEDIT4\r\n"stray"="value"\r\n' >broken.reg
  kcg load game.kcg --registry broken.reg
  expect_rc 1 "load into a broken registry file"
  expect_out_has "line 2: a value line before any key" "load into a broken registry file"

  # A value line without '=' stops the load: written back, the line would be lost.
  { cat joystick.reg; printf '"Joystick1Filter"\r\n'; } >no_equals.reg
  cp no_equals.reg no_equals_before.reg
  kcg load game.kcg --registry no_equals.reg
  expect_rc 1 "load into a registry file with a line without '='"
  expect_out_has "game.kcg: not loaded: the registry file no_equals.reg cannot be read: line 12: expected '=' after \"Joystick1Filter\"." \
    "load into a registry file with a line without '='"
  cmp -s no_equals.reg no_equals_before.reg || fail "a registry file with a line without '=' was rewritten"
}

test_without_a_registry_file_natively() {
  kcg load game.kcg
  expect_rc 1 "load without --registry"
  expect_out_has "there is no joystick driver here; --registry REGFILE loads into a registry file" "load without --registry"
}

# Wine's joystick API names its driver key DINPUT.DLL. The joystick keys of the
# prefix are put aside first and put back afterwards.
joystick_root='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\MediaResources\Joystick'
wine_driver_key='DINPUT.DLL'
put_back_joystick_keys() {
  "${runner[@]}" reg delete "$joystick_root" /f >/dev/null 2>&1
  [ -f "$work/saved.reg" ] && "${runner[@]}" regedit /S "$work/saved.reg"
}

test_loads_into_the_real_registry() {
  if "${runner[@]}" reg query "$joystick_root" >/dev/null 2>&1; then
    "${runner[@]}" regedit /E saved.reg "$joystick_root" >/dev/null 2>&1
  fi
  trap 'put_back_joystick_keys; rm -rf "$work"' EXIT
  "${runner[@]}" reg delete "$joystick_root" /f >/dev/null 2>&1

  kcg load game.kcg
  expect_rc 1 "load without joystick keys"
  expect_out_has "MediaResources\\Joystick is missing" "load without joystick keys"

  sed "s/msjstick\\.drv/$wine_driver_key/" joystick.reg >wine.reg
  "${runner[@]}" regedit /S wine.reg || fail "regedit could not import the joystick keys"
  kcg load game.kcg
  expect_rc 0 "load into the real registry"
  expect_out_has "game.kcg: loaded into the joystick driver (the Kavelin is joystick 2)." "load into the real registry"

  "${runner[@]}" regedit /E exported.reg "$joystick_root\\$wine_driver_key" >/dev/null 2>&1
  iconv -f UTF-16LE -t UTF-8 exported.reg | sed '1s/^\xEF\xBB\xBF//' >exported.txt
  diff <(driver_values exported.txt) "$data/expected.txt" >/dev/null ||
    fail "the real registry's values differ from expected.txt"
  grep -q '^"Joy1ConfigurationFile"="[A-Z]:\\\\.*\\\\game\.kcg"' exported.txt || fail "no Windows path of the file"
}

test_usage
test_loads_into_a_registry_file_keeping_what_it_held
test_failures_say_why
if [ ${#runner[@]} -eq 0 ]; then
  test_without_a_registry_file_natively
else
  test_loads_into_the_real_registry
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures kcg load check(s) failed"
  exit 1
fi
echo "kcg load: all checks passed"
