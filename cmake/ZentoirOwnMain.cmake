# zentoir_keep_own_main(<imported target>...): on Windows, keeps SDL's replacement entry
# point and its forced window subsystem out of programs that link these pkg-config
# targets (SDL's own and those that require it), so a program's main() stays its entry
# and tests and tools keep their console. Does nothing elsewhere.
function(zentoir_keep_own_main)
  if(NOT WIN32)
    return()
  endif()
  foreach(target IN LISTS ARGN)
    get_target_property(libs ${target} INTERFACE_LINK_LIBRARIES)
    get_target_property(options ${target} INTERFACE_COMPILE_OPTIONS)
    get_target_property(link_options ${target} INTERFACE_LINK_OPTIONS)
    list(FILTER libs EXCLUDE REGEX "SDL2main|^-mwindows$|-NOTFOUND$")
    list(FILTER options EXCLUDE REGEX "^-Dmain=SDL_main$|-NOTFOUND$")
    list(FILTER link_options EXCLUDE REGEX "^-mwindows$|-NOTFOUND$")
    set_target_properties(${target} PROPERTIES INTERFACE_LINK_LIBRARIES "${libs}"
                          INTERFACE_COMPILE_OPTIONS "${options}"
                          INTERFACE_LINK_OPTIONS "${link_options}")
    if(target STREQUAL "PkgConfig::sdl2")
      set_property(TARGET ${target} PROPERTY INTERFACE_COMPILE_DEFINITIONS SDL_MAIN_HANDLED)
    endif()
  endforeach()
endfunction()
