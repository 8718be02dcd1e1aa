# Links a target against a Windows DLL that is loaded on first use rather
# than at start. `def` lists the functions the program takes from the DLL, with
# their 32-bit stdcall sizes; a function missing from it fails the link.
function(tavimo_link_delay_loaded target def)
  get_filename_component(dll ${def} NAME_WE)
  if(MSVC)
    target_link_libraries(${target} PUBLIC ${dll} delayimp)
    target_link_options(${target} PUBLIC /DELAYLOAD:${dll}.dll)
    return()
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  file(READ ${def} exports)
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    # Only 32-bit stdcall names carry the size of their arguments.
    string(REGEX REPLACE "@[0-9]+" "" exports "${exports}")
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/delay_load)
  file(WRITE ${dir}/${dll}.def "${exports}")
  set(library ${dir}/lib${dll}_delay.a)
  # Run where the library goes: dlltool names its symbols after the path.
  add_custom_command(
    OUTPUT ${library}
    COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${dll}.def --output-delaylib lib${dll}_delay.a
    WORKING_DIRECTORY ${dir}
    DEPENDS ${def}
    VERBATIM)
  add_custom_target(${dll}_delay DEPENDS ${library})
  add_dependencies(${target} ${dll}_delay)
  target_link_libraries(${target} PUBLIC ${library})
endfunction()
