#!/usr/bin/env bash
# Runs a command inside a private Wine session: its own virtual X display and a fresh
# Wine prefix, both taken down afterwards whatever happens. Exits with the command's code.
#   tools/wine-session.sh ctest --test-dir build/win64 --output-on-failure
set -uo pipefail

if [ $# -eq 0 ]; then
  echo "usage: $0 COMMAND [ARG...]" >&2
  exit 2
fi

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

session_dir=$(mktemp -d /tmp/velkaro-wine.XXXXXX)
xvfb_pid=""
cmd_pid=""

cleanup() {
  local code=$?
  trap - EXIT INT TERM
  if [ -n "$cmd_pid" ] && kill -0 "$cmd_pid" 2>/dev/null; then
    kill "$cmd_pid" 2>/dev/null
    wait "$cmd_pid" 2>/dev/null
  fi
  if [ -d "$session_dir/prefix" ]; then
    WINEPREFIX="$session_dir/prefix" "$WINESERVER" -k 2>/dev/null
    WINEPREFIX="$session_dir/prefix" "$WINESERVER" -w 2>/dev/null
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$session_dir"
  exit "$code"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Another session may take the same number between our look and Xvfb's start, so a display
# counts as ours only once our Xvfb is alive and answering on it.
start_xvfb() {
  local n tries
  for n in $(seq 90 250); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$session_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for tries in $(seq 100); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.05
    done
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  done
  echo "wine-session: no free X display" >&2
  return 1
}

start_xvfb || exit 1

export WINEPREFIX="$session_dir/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# With no window manager on the display, Wine's managed windows wait two seconds for a
# window manager's answer each time one is hidden; unmanaged windows do not wait.
if ! { "$WINE64" wineboot -i &&
       "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f; } \
       >"$session_dir/wineboot.log" 2>&1; then
  echo "wine-session: preparing the Wine prefix failed:" >&2
  cat "$session_dir/wineboot.log" >&2
  exit 1
fi

# In the background so that a signal reaches the trap at once, not after the command.
"$@" <&0 &
cmd_pid=$!
wait "$cmd_pid"
