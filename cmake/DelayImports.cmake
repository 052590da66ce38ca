# Delay-loaded system DLLs. The launcher's start loads only the DLLs its first window needs;
# every DLL loaded before the first instruction of the program costs start-up time under Wine.
# A DLL named here loads on the first call of one of its functions (the open file dialog, the
# echo requests, the shell's "open"). dlltool makes a delay-import library of the functions
# named ("Name@ArgumentBytes", as 32-bit stdcall spells them); linked ahead of the default
# import libraries, it resolves those names.
function(quarl_delay_import target dll)
  set(def "${CMAKE_CURRENT_BINARY_DIR}/${dll}-delay.def")
  set(library "${CMAKE_CURRENT_BINARY_DIR}/lib${dll}-delay.a")
  set(text "LIBRARY ${dll}.dll\nEXPORTS\n")
  foreach(function IN LISTS ARGN)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+$" "" function "${function}")
    endif()
    string(APPEND text "${function}\n")
  endforeach()
  file(CONFIGURE OUTPUT "${def}" CONTENT "${text}")
  add_custom_command(
    OUTPUT "${library}"
    COMMAND "${CMAKE_DLLTOOL}" -k -d "${def}" -y "${library}"
    DEPENDS "${def}"
    COMMENT "Delay-import library for ${dll}.dll"
    VERBATIM)
  add_custom_target(${target}_${dll}_delay DEPENDS "${library}")
  add_dependencies(${target} ${target}_${dll}_delay)
  target_link_libraries(${target} PUBLIC "${library}")
endfunction()
