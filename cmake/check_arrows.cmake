# Run by the build (cmake -P) for one folder of src/: every include of a
# project header ("folder/file.h") in FILES must name a folder in ALLOWED.
cmake_minimum_required(VERSION 3.16)
foreach(file IN LISTS FILES)
  file(STRINGS ${file} includes REGEX "^#include \"[a-z_]+/")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" used "${include}")
    if(NOT used IN_LIST ALLOWED)
      string(REPLACE ";" ", " allowed "${ALLOWED}")
      message(FATAL_ERROR "${file}: ${include}\n"
                          "src/${FOLDER} may include only from: ${allowed}")
    endif()
  endforeach()
endforeach()
file(TOUCH ${STAMP})
