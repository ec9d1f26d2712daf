#!/bin/sh
# Redraws every picture and the icon in app/res, then checks them.
# Needs ImageMagick 6 at /usr/bin/convert, the DejaVu fonts and Python 3.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
res="$here/../../app/res"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# One thread keeps the quantiser's results the same from run to run.
export MAGICK_THREAD_LIMIT=1
/usr/bin/convert -version | grep -q 'ImageMagick 6' || {
  echo "draw.sh: needs ImageMagick 6 at /usr/bin/convert" >&2; exit 1; }
python3 "$here/draw.py" "$res" "$scratch"
python3 "$here/check.py" "$res"
