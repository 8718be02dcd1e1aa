# Shared steps of the project's scripts: packages, builds, Wine and a display.
# Sourced, not run.

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${TAVIMO_BUILD_ROOT:-$TOP/build}
# Wine wants absolute paths; a relative build folder is taken from where the
# script was started.
mkdir -p "$BUILD" && BUILD=$(cd "$BUILD" && pwd)

say() { printf '== %s\n' "$*" >&2; }

PACKAGES=(
  cmake ninja-build g++ googletest libgtest-dev clang libclang-rt-14-dev clang-format clang-tidy
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
  wine wine64 wine32:i386 xvfb xauth x11-utils fonts-wqy-microhei imagemagick zip
)

# Installs whatever of the packages (the arguments, else PACKAGES) is
# missing; does nothing when all are there.
ensure_packages() {
  local missing=() wanted=("$@")
  [ $# -gt 0 ] || wanted=("${PACKAGES[@]}")
  for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then dpkg --add-architecture i386; fi
  apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

# Where the Wine prefixes go: the build folder, unless the machine the
# tests run on keeps them on a disk of its own (the virtual machine does).
PREFIXES=${TAVIMO_PREFIX_ROOT:-$BUILD}

# Whether this kernel runs 32-bit Linux programs; 32-bit Wine's own loader
# is one, and some kernels are built without them.
runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# The Wine and the cross build of one width: use_wine 32|64. The shipped
# program is the 32-bit one.
use_wine() {
  if [ "$1" = 32 ]; then
    WINE_ARCH=win32 WINE_LOADER=/usr/lib/wine/wine TOOLCHAIN=mingw-i686
  else
    WINE_ARCH=win64 WINE_LOADER=/usr/lib/wine/wine64 TOOLCHAIN=mingw-x86_64
  fi
  WIN_BUILD=$BUILD/$TOOLCHAIN
  export WINEDEBUG=-all WINEARCH=$WINE_ARCH
  export WINEPREFIX=${TAVIMO_WINEPREFIX:-$PREFIXES/wineprefix-$WINE_ARCH}
}

# The width this machine's Wine runs best: 32-bit where the kernel can,
# else the same sources built for 64-bit Windows under 64-bit Wine.
pick_wine() { if runs_32bit; then use_wine 32; else use_wine 64; fi; }

# Configures one cross build, with the compile database clang-tidy reads:
# configure_windows TOOLCHAIN TYPE
configure_windows() {
  cmake -S "$TOP" -B "$BUILD/$1" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOP/cmake/$1.cmake" \
    -DCMAKE_BUILD_TYPE="$2" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
}

# Configures and builds one cross build: build_windows TOOLCHAIN TYPE [targets...]
build_windows() {
  configure_windows "$1" "$2"
  local dir=$BUILD/$1
  shift 2
  cmake --build "$dir" -j2 ${1:+--target "$@"}
}

# A fresh Wine prefix with no browser or text associations of its own (tests
# register what they need) and a font for the Chinese captions.
make_prefix() {
  rm -rf "$WINEPREFIX" && mkdir -p "$(dirname "$WINEPREFIX")"
  WINEDLLOVERRIDES="mscoree,mshtml=" "$WINE_LOADER" wineboot -i >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w
  "$WINE_LOADER" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v Tahoma /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  # With no window manager on the virtual display, Wine waits two seconds
  # for one whenever a managed window closes; unmanaged windows do not wait.
  "$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # No crash debugger: a program that crashes simply ends, and its test fails
  # at once instead of waiting on a debugger that holds the process.
  local debugger='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
  "$WINE_LOADER" reg add "$debugger" /v Debugger /d false /f >/dev/null 2>&1
  "$WINE_LOADER" reg add "$debugger" /v Auto /d 1 /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
}

# The test program's line for a test that passed or skipped itself: a test
# without one failed, also when its run crashed or was killed.
GTEST_DONE_LINE='^\[ +(OK|SKIPPED) +\] .*\([0-9]+ ms\)$'

# The end-to-end suites that need the Traditional Chinese code page (950,
# Big5), named *Big5, run in a Wine prefix of their own in that locale: Wine
# takes the code page from LC_ALL alone, and a locale switch rewrites a
# prefix's fonts. By hand:
# TAVIMO_WINEPREFIX=<dir> LC_ALL=zh_TW.UTF-8 tools/e2e.sh --gtest_filter='*Big5.*'
BIG5_SUITES='Big5\.'
use_big5_locale() {
  export LC_ALL=zh_TW.UTF-8 2>/dev/null  # no such Linux locale is needed
  export WINEPREFIX=$PREFIXES/wineprefix-$WINE_ARCH-zh_TW
}

# A virtual display, unless one is given.
start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${TAVIMO_VIRTUAL_DISPLAY:-}" ]; then return 0; fi
  local number=$((90 + RANDOM % 100))
  while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$number"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && return 0; sleep 0.1; done
  say "Xvfb did not start"
  return 1
}

# One persistent Wine server for the whole run: each program then starts in a
# fraction of a second.
start_wine() {
  /usr/lib/wine/wineserver -p
  "$WINE_LOADER" cmd /c exit 0 >/dev/null 2>&1 || true
}

# A virtual display, the Wine prefix (made when it is missing) and one Wine
# server on it, all stopped when the script ends.
start_virtual_wine() {
  TAVIMO_VIRTUAL_DISPLAY=1
  trap stop_all EXIT
  start_display
  [ -f "$WINEPREFIX/system.reg" ] || make_prefix
  start_wine
}

stop_all() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  return 0
}

# Saves a picture of the running Tavimo window (no window manager draws a
# frame on the virtual display, so it is the client area alone).
screenshot_window() {
  local out=$1 geometry
  for _ in $(seq 50); do
    geometry=$(xwininfo -root -tree | sed -n 's/.*"Tavimo": .* \([0-9]*x[0-9]*+[0-9]*+[0-9]*\)  +.*/\1/p' | head -n 1)
    [ -n "$geometry" ] && break
    sleep 0.2
  done
  [ -n "$geometry" ] || { say "no Tavimo window to photograph"; return 1; }
  sleep 1  # let it finish drawing
  import -window root -crop "$geometry" +repage "$out"
}

# Opens the folder's tavimo.exe on a virtual display, saves a picture of its
# window to the file and closes it again: photograph_program FOLDER PICTURE
photograph_program() {
  local folder=$1 picture=$2
  start_virtual_wine
  "$WINE_LOADER" "$folder/tavimo.exe" &
  screenshot_window "$picture"
  "$WINE_LOADER" taskkill /im tavimo.exe >/dev/null 2>&1 || true
}

# Builds tavimo.exe for this machine's Wine and puts a copy in the folder,
# which becomes its program folder (its list lives there).
prepare_program_folder() {
  local folder=$1
  ensure_packages
  pick_wine
  build_windows "$TOOLCHAIN" Release tavimo >/dev/null
  mkdir -p "$folder"
  cp "$WIN_BUILD/bin/tavimo.exe" "$folder/"
}
