# One library per folder of src/, linked only along the arrows between them:
# app uses items, launch and runtime; items and launch use runtime; runtime
# uses nothing of ours. An include of another folder's header that the
# arrows do not allow fails the build, naming the file and the include.

# tavimo_folder_library(FOLDER [USES folder...]): the library tavimo_FOLDER,
# from the sources its folder's CMakeLists.txt adds with target_sources.
function(tavimo_folder_library folder)
  set(library tavimo_${folder})
  add_library(${library} STATIC)
  target_include_directories(${library} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(used IN LISTS ARGN)
    target_link_libraries(${library} PUBLIC tavimo_${used})
  endforeach()

  file(GLOB files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
       ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  set(allowed ${folder} ${ARGN})
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${library}.arrows)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} "-DFOLDER=${folder}" "-DALLOWED=${allowed}" "-DFILES=${files}"
            "-DSTAMP=${stamp}" -P ${PROJECT_SOURCE_DIR}/cmake/check_arrows.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/check_arrows.cmake
    VERBATIM)
  add_custom_target(${library}_arrows DEPENDS ${stamp})
  add_dependencies(${library} ${library}_arrows)
endfunction()
