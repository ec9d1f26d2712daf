#!/usr/bin/env bash
# Times the subnet table under Wine as a user meets it and prints the figures:
#   tools/uibench/run.sh [SHOT_DIR]
# Then it breaks a full save's time down into file writes and progress updates (savecost).
# With SHOT_DIR it also saves screenshots of the summary box, the warning, the table and the
# progress window there as PNG. Runs in a private Wine session of its own.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build="$root/build/win64"

if [ -z "${DISPLAY:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
  cmake --build --preset win64 --target uibench savecost Velkaro >/dev/null
  exec "$root/tools/wine-session.sh" "$0" "$@"
fi

shots=""
if [ $# -gt 0 ]; then
  shots=$(realpath -m "$1")
  mkdir -p "$shots"
  rm -f "$shots"/*.done
fi

windows_path() { echo "Z:${1//\//\\}"; }

export VELKARO_EXE
VELKARO_EXE=$(windows_path "$build/app/Velkaro.exe")
args=()
[ -n "$shots" ] && args+=("$(windows_path "$shots")")

/usr/lib/wine/wine64 "$build/tools/uibench/uibench.exe" "${args[@]}" 2> >(grep -v "^fixme\|Read access" >&2) |
  while IFS= read -r line; do
    line=${line%$'\r'}
    if [[ $line == SHOT\ * ]]; then
      name=${line#SHOT }
      /usr/bin/import -window root "$shots/$name.png"
      touch "$shots/$name.done"
      echo "screenshot: $shots/$name.png"
    else
      echo "$line"
    fi
  done

echo "where a save's time goes:"
/usr/lib/wine/wine64 "$build/tools/uibench/savecost.exe" 2> >(grep -v "^fixme\|Read access" >&2)
