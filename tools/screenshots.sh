#!/usr/bin/env bash
# Takes the README's pictures on Xvfb: each mode and the dialog from the Linux build, the show
# and the dialog from the Windows build under wine. Needs what tools/test.sh installs and builds.
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/images
mkdir -p "$out"
export QUOREX_SCREENSHOTS
QUOREX_SCREENSHOTS=$(mktemp -d)
tests/e2e/linux_e2e.sh build/test/quorex > /dev/null || true
if /usr/lib/wine/wine --version > /dev/null 2>&1; then
  WINE=/usr/lib/wine/wine tests/e2e/wine_e2e.sh build/win32/surface/win32/quorex.scr \
    build/win32/surface/win32/spi_query.exe > /dev/null || true
else
  WINE=/usr/lib/wine/wine64 tests/e2e/wine_e2e.sh build/win64/surface/win32/quorex.scr \
    build/win64/surface/win32/spi_query.exe > /dev/null || true
fi
for mode in 1 2 3 4 5 6; do
  convert "$QUOREX_SCREENSHOTS/mode$mode.png" -resize 50% "$out/mode$mode.png"
done
convert "$QUOREX_SCREENSHOTS/dialog-full.png" -trim +repage "$out/dialog-linux.png"
convert "$QUOREX_SCREENSHOTS/wine-show.png" -resize 50% "$out/wine-show.png"
convert "$QUOREX_SCREENSHOTS/wine-dialog-full.png" -trim +repage "$out/wine-dialog.png"
rm -rf "$QUOREX_SCREENSHOTS"
ls -l "$out"
