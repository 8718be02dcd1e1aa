#!/usr/bin/env bash
# Builds Tavimo and opens it under Wine. With a display it runs there until
# closed; with none it runs on a virtual display, saves a screenshot to
# build/screenshot.png and closes. Installs what is missing.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

folder=$BUILD/run
prepare_program_folder "$folder"
[ -f "$WINEPREFIX/system.reg" ] || { start_display; make_prefix; }

if [ -n "${DISPLAY:-}" ] && [ -z "${XVFB_PID:-}" ]; then
  say "starting $folder/tavimo.exe (its list: $folder/exefiles.dat)"
  exec "$WINE_LOADER" "$folder/tavimo.exe"
fi

trap stop_all EXIT
start_display
start_wine
"$WINE_LOADER" "$folder/tavimo.exe" &
screenshot_window "$BUILD/screenshot.png"
say "screenshot of the running window: $BUILD/screenshot.png"
"$WINE_LOADER" taskkill /im tavimo.exe >/dev/null 2>&1 || true
