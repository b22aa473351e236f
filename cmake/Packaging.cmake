# Debian packages through CPack: `cmake --build build --target package` writes
#   pindrake_<version>_<arch>.deb        the packed game, its desktop entry, icons and manual
#   libzentoir-dev_<version>_<arch>.deb  the static runtime, its headers, pkg-config and CMake
#                                        files, and zentoir-pack with its manual
# Each install() rule lands in one of the two by the install component that is the default
# while its folder is read (see the top-level CMakeLists.txt).

# Debian package that provides each pkg-config module the runtime requires; the
# development package depends on these so that `pkg-config zentoir` resolves.
set(ZENTOIR_DEB_DEV_PACKAGES
  lzo2=liblzo2-dev sdl2=libsdl2-dev SDL2_mixer=libsdl2-mixer-dev gl=libgl-dev x11=libx11-dev
  libpng=libpng-dev libcurl=libcurl4-openssl-dev libavformat=libavformat-dev
  libavcodec=libavcodec-dev libswscale=libswscale-dev libswresample=libswresample-dev
  libavutil=libavutil-dev)

# The runtime's pkg-config modules, as its folder lists them.
get_directory_property(ZENTOIR_PKG_MODULES DIRECTORY runtime DEFINITION ZENTOIR_PKG_MODULES)

function(zentoir_dev_depends out)
  set(depends "pkg-config")
  foreach(module IN LISTS ZENTOIR_PKG_MODULES)
    set(package "")
    foreach(pair IN LISTS ZENTOIR_DEB_DEV_PACKAGES)
      if(pair MATCHES "^${module}=(.*)$")
        set(package ${CMAKE_MATCH_1})
      endif()
    endforeach()
    if(NOT package)
      message(FATAL_ERROR "No Debian package known for pkg-config module ${module}: "
                          "add it to ZENTOIR_DEB_DEV_PACKAGES in cmake/Packaging.cmake")
    endif()
    string(APPEND depends ", ${package}")
  endforeach()
  set(${out} "${depends}" PARENT_SCOPE)
endfunction()

# Manual pages, compressed as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
function(zentoir_install_manual page section component)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.${section})
  set(compressed ${PROJECT_BINARY_DIR}/man/${page}.${section}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${source} > ${compressed}
    DEPENDS ${source} VERBATIM)
  add_custom_target(manual_${page} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section}
          COMPONENT ${component})
endfunction()
zentoir_install_manual(Pindrake 6 game)
zentoir_install_manual(zentoir-pack 1 dev)

# Each package carries its copyright file and changelog in its documentation folder.
function(zentoir_install_package_docs component package)
  set(changelog ${PROJECT_BINARY_DIR}/packaging/${package}/changelog.gz)
  add_custom_command(OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging/${package}
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
  add_custom_target(changelog_${component} ALL DEPENDS ${changelog})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endfunction()
zentoir_install_package_docs(game pindrake)
zentoir_install_package_docs(dev libzentoir-dev)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentoir)
set(CPACK_PACKAGE_VENDOR "The Pindrake developers")
set(CPACK_PACKAGE_CONTACT "Pindrake developers <pindrake@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME pindrake)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "timgm6mb-soundfont")
set(CPACK_DEBIAN_GAME_DESCRIPTION
"balloon puzzle: burst groups of coloured balloons
A board of 9 x 11 balloons in four colours rises from below the screen. Click
a balloon that touches at least one of its own colour and the whole connected
group bursts; the rest float up into the gaps and empty columns close. The
game ends when no two neighbouring balloons share a colour. The best twenty
results are kept.")

zentoir_dev_depends(ZENTOIR_DEV_DEPENDS)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libzentoir-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "${ZENTOIR_DEV_DEPENDS}")
set(CPACK_DEBIAN_DEV_DESCRIPTION
"2D game runtime Zentoir (static library and headers)
Zentoir gives a game a window with an OpenGL frame loop, numbered sprites,
bitmap fonts, sound and music, keyboard, mouse and joystick input, files, INI
files and a resource archive appended to the executable. This package holds
the static library, its headers, pkg-config and CMake files, and zentoir-pack,
which appends a game's data files to its executable.")

include(CPack)
