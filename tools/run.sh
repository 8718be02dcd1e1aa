#!/usr/bin/env bash
# Builds Tavimo and opens it under Wine. With a display it runs there until
# closed; with none it runs on a virtual display, saves a screenshot to
# build/screenshot.png and closes. Installs what is missing.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

folder=$BUILD/run
prepare_program_folder "$folder"

if [ -n "${DISPLAY:-}" ] && [ -z "${TAVIMO_VIRTUAL_DISPLAY:-}" ]; then
  [ -f "$WINEPREFIX/system.reg" ] || make_prefix
  say "starting $folder/tavimo.exe (its list: $folder/exefiles.dat)"
  exec "$WINE_LOADER" "$folder/tavimo.exe"
fi

photograph_program "$folder" "$BUILD/screenshot.png"
say "screenshot of the running window: $BUILD/screenshot.png"
