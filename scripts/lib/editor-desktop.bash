# shellcheck shell=bash disable=SC2154  # here and build come from the caller
# Shared by scripts/run and scripts/screenshot (sourced, not run): the editor
# inside a Wine virtual desktop on an X display, so that its window has a
# caption and a frame without a window manager, driven from outside by the
# end-to-end harness, and pictures taken of it.
#
# The caller sets: here (the repository), build (the Windows build tree),
# KCG_WINEPREFIX (the prefix with the demo installation) and DISPLAY.

desktop_name=kcg
desktop_size="${KCG_DESKTOP_SIZE:-800x600}"
editor_pid=""

# The window titles of the three screens and the captions the scripts meet.
title_general="Kavelin SDK KCG Editor - General Information"
title_axis="Kavelin SDK KCG Editor - Axis Mapping"
title_tuning="Kavelin SDK KCG Editor - Tuning"
internal_suffix=" - INTERNAL USE ONLY!!!"
caption_monitor_note="Kavelin Windows Monitor Shut-Down"
caption_save_prompt="Kavelin SDK KCG Editor"

# A Linux path as Wine's drive Z: shows it.
windows_path() { local p="Z:$1"; printf '%s' "${p//\//\\}"; }

# Runs the harness against the windows of the virtual desktop.
harness() {
  "$here/scripts/wine-run" "$(windows_path "$build/tests/e2e/e2e.exe")" --desktop "$desktop_name" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# Starts the editor (with any switches) in the virtual desktop, in the
# background; editor_pid is the desktop's process.
start_editor_on_desktop() {
  "$here/scripts/wine-run" explorer "/desktop=$desktop_name,$desktop_size" \
    "$(windows_path "$build/editor/kcgedit.exe")" "$@" >/dev/null 2>&1 &
  editor_pid=$!
}

# Answers the monitor note and waits for the first screen. The first start in
# a fresh prefix is slow, hence the long bound.
wait_for_first_screen() {
  harness --bound 120000 answer "$caption_monitor_note" ok wait-window "$title_general" >/dev/null
}

# Saves a PNG of the window titled $1, frame and caption included, as $2. The
# virtual desktop fills the X screen from its top left corner, so the
# window's place on the desktop is its place on the screen.
capture_window() {
  local title="$1" file="$2" left top width height
  sleep 1  # let the window finish painting
  read -r left top width height < <(harness rect "$title") || return 1
  [ -n "$height" ] || return 1
  mkdir -p "$(dirname "$file")"
  import -silent -window root -crop "${width}x${height}+${left}+${top}" +repage "$file"
}

# Saves a PNG of control $2 (an id) of the window titled $1 as $3.
capture_control() {
  local title="$1" id="$2" file="$3" left top width height
  sleep 1
  read -r left top width height < <(harness control-rect "$title" "$id") || return 1
  [ -n "$height" ] || return 1
  mkdir -p "$(dirname "$file")"
  import -silent -window root -crop "${width}x${height}+${left}+${top}" +repage "$file"
}

# Ends the editor: asks whichever screen is showing to close, discards
# unsaved changes if it asks ($1: the prompt's answer that discards them, ok
# on the first two screens, no on the last), and waits for the desktop to go;
# a program still running after that is ended by its process.
end_editor() {
  local answer="${1:-ok}" title
  [ -n "$editor_pid" ] || return 0
  for title in "$title_general" "$title_axis" "$title_tuning" \
    "$title_general$internal_suffix" "$title_axis$internal_suffix" "$title_tuning$internal_suffix"; do
    harness --bound 0 close "$title" >/dev/null 2>&1 || continue
    harness --bound 5000 answer "$caption_save_prompt" "$answer" >/dev/null 2>&1 || true
    harness --bound 20000 wait-gone "$title" >/dev/null 2>&1 || harness end "$title" >/dev/null 2>&1 || true
  done
  for _ in $(seq 1 100); do
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.2
  done
  kill "$editor_pid" 2>/dev/null || true
  wait "$editor_pid" 2>/dev/null || true
  editor_pid=""
}

# True if $DISPLAY names an X server that answers.
display_works() {
  [ -n "${DISPLAY:-}" ] && timeout 10 import -silent -window root -crop 1x1+0+0 null: >/dev/null 2>&1
}
