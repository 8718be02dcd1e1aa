# Run by the build (cmake -P) for one folder of src/: every include of a
# project header ("folder/file.h") in FILES must name a folder in ALLOWED.
# Unit tests beside the code may also use the test helpers (tests/support).
cmake_minimum_required(VERSION 3.16)
foreach(file IN LISTS FILES)
  set(allowed ${ALLOWED})
  if(file MATCHES "_test\\.cpp$")
    list(APPEND allowed support)
  endif()
  file(STRINGS ${file} includes REGEX "^#include \"[a-z_]+/")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" used "${include}")
    if(NOT used IN_LIST allowed)
      string(REPLACE ";" ", " allowed "${allowed}")
      message(FATAL_ERROR "${file}: ${include}\n"
                          "src/${FOLDER} may include only from: ${allowed}")
    endif()
  endforeach()
endforeach()
file(TOUCH ${STAMP})
