#!/usr/bin/env bash
# Makes the README's picture, docs/screenshot.png: Tavimo on a virtual
# display with a few items in its list, two of them ticked.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

folder=$BUILD/screenshot
rm -rf "$folder"
prepare_program_folder "$folder"
printf '%s\r\n' \
  '"C:\Program Files\Mozilla Thunderbird\thunderbird.exe",#TRUE#' \
  '"C:\Users\me\Documents\weekly report.docx",#FALSE#' \
  '"https://www.example.com/news",#TRUE#' \
  '"C:\Users\me\Desktop\Backup.lnk",#FALSE#' \
  '"D:\Music\morning.m3u",#FALSE#' >"$folder/exefiles.dat"

photograph_program "$folder" "$TOP/docs/screenshot.png"
say "wrote docs/screenshot.png"
