# The game as a web page, in the build folder: index.html, Pindrake.js and
# Pindrake.wasm (the program), Pindrake.data (its data archive). A page's program has no
# file to carry the archive, so the archive is a file of its own, loaded into the
# virtual file system under the program's name before the program starts.
#
# A browser has no MIDI synthesizer: the tune is rendered here, with FluidSynth and the
# General MIDI sound font, into "ikona.ogg", which the runtime plays in its place.
find_program(PINDRAKE_FLUIDSYNTH fluidsynth NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(PINDRAKE_SOUND_FONT /usr/share/sounds/sf2/TimGM6mb.sf2 CACHE FILEPATH
    "The General MIDI sound font the web page's tune is rendered with")
set(PINDRAKE_WEB_TUNE ${CMAKE_CURRENT_BINARY_DIR}/ikona.ogg)
add_custom_command(
  OUTPUT ${PINDRAKE_WEB_TUNE}
  COMMAND ${PINDRAKE_FLUIDSYNTH} -n -i -q -T oga -r 44100 -F ${PINDRAKE_WEB_TUNE}
          ${PINDRAKE_SOUND_FONT} ${PINDRAKE_DATA_DIR}/ikona.mid
  DEPENDS game_data ${PINDRAKE_DATA_MANIFEST}
  COMMENT "Rendering the tune for the web page"
  VERBATIM)

set(PINDRAKE_WEB_ARCHIVE ${CMAKE_CURRENT_BINARY_DIR}/Pindrake)
add_custom_command(
  OUTPUT ${PINDRAKE_WEB_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${PINDRAKE_WEB_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E touch ${PINDRAKE_WEB_ARCHIVE}
  COMMAND ${ZENTOIR_BUILD_PACKER} append ${PINDRAKE_WEB_ARCHIVE} @${PINDRAKE_DATA_MANIFEST}
          ${PINDRAKE_ICON_FILE} ${PINDRAKE_WEB_TUNE}
  DEPENDS ${ZENTOIR_BUILD_PACKER} game_data ${PINDRAKE_DATA_MANIFEST} ${PINDRAKE_ICON_FILE}
          ${PINDRAKE_WEB_TUNE}
  COMMENT "Packing the game data for the web page"
  VERBATIM)
add_custom_target(pindrake_web_archive DEPENDS ${PINDRAKE_WEB_ARCHIVE})
add_dependencies(PindrakeUnpacked pindrake_web_archive)

# The saved files are kept in the browser's IndexedDB (saved-files.js).
include(${PROJECT_SOURCE_DIR}/cmake/ZentoirWebPage.cmake)
zentoir_web_page(PindrakeUnpacked)
set_target_properties(PindrakeUnpacked PROPERTIES
  OUTPUT_NAME Pindrake
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}
  LINK_DEPENDS "${PINDRAKE_WEB_ARCHIVE};${CMAKE_CURRENT_SOURCE_DIR}/web/saved-files.js")
target_link_options(PindrakeUnpacked PRIVATE
  -lidbfs.js "--pre-js=${CMAKE_CURRENT_SOURCE_DIR}/web/saved-files.js"
  "--preload-file=${PINDRAKE_WEB_ARCHIVE}@/Pindrake")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/web/index.html ${PROJECT_BINARY_DIR}/index.html COPYONLY)
