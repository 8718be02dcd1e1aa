# Cross build of the same sources for 64-bit Windows. The shipped program is
# the 32-bit build; this one lets the end-to-end tests run under 64-bit Wine
# on machines whose kernel cannot execute 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
