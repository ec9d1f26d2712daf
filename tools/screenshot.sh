#!/usr/bin/env bash
# Starts a Windows program under Wine, waits until it shows a window, and saves a picture
# of the whole screen as PNG; prints the picture's path.
#   tools/screenshot.sh [EXE] [OUT.png]
# Runs in a private Wine session of its own, or in the caller's when DISPLAY and
# WINEPREFIX are already exported (as inside tools/wine-session.sh).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "${1:-$here/../build/win64/app/Velkaro.exe}")
out=$(realpath -m "${2:-$PWD/$(basename "${exe%.*}").png}")
[ -f "$exe" ] || { echo "screenshot: no program $exe" >&2; exit 2; }

if [ -z "${DISPLAY:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
  exec "$here/wine-session.sh" "$0" "$exe" "$out"
fi

WINE64=/usr/lib/wine/wine64
TIMEOUT_S=30
SETTLE_S=1

"$WINE64" "$exe" >/dev/null 2>&1 &
program=$!
end_program() {
  local code=$?
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  exit "$code"
}
trap end_program EXIT

# Wine maps an X window for each visible top-level window and for nothing hidden.
shows_window() {
  local id
  for id in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x/ {print $1}'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
  done
  return 1
}

deadline=$((SECONDS + TIMEOUT_S))
until shows_window; do
  if ! kill -0 "$program" 2>/dev/null; then
    echo "screenshot: $exe ended without showing a window" >&2
    exit 1
  fi
  if [ "$SECONDS" -ge "$deadline" ]; then
    echo "screenshot: no window of $exe after ${TIMEOUT_S}s" >&2
    exit 1
  fi
  sleep 0.2
done

sleep "$SETTLE_S"  # let the window finish painting
/usr/bin/import -window root "$out"
echo "$out"
