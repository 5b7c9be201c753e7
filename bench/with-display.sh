#!/usr/bin/env bash
# Runs a benchmark on a private X display with a window manager, as on the
# student's desktop: starts Xvfb on a free display and openbox on it, runs
# the given command with DISPLAY pointing there, and stops both afterwards.
#   bench/with-display.sh build/corvanth-bench-mock [ARGS...]
set -euo pipefail
if [ $# -eq 0 ]; then
  echo "usage: $0 COMMAND [ARGS...]" >&2
  exit 2
fi
for tool in Xvfb openbox; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is missing" >&2; exit 1; }
done

xvfb_pid="" wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  return 0
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to the descriptor.
displayfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.05
done
number="$(tr -d '[:space:]' <"$displayfile")"
rm -f "$displayfile"
if [ -z "$number" ]; then echo "bench: Xvfb did not start" >&2; exit 1; fi
export DISPLAY=":$number"
unset QT_QPA_PLATFORM

openbox >/dev/null 2>&1 &
wm_pid=$!
# The window manager has taken over once it announces itself on the root.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done

"$@"
