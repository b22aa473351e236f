# The game as a web page, in the build folder: index.html, Pindrake.js and
# Pindrake.wasm (the program), Pindrake.data (its data archive). A page's program has no
# file to carry the archive, so the archive is a file of its own, loaded into the
# virtual file system under the program's name before the program starts.
set(PINDRAKE_WEB_ARCHIVE ${CMAKE_CURRENT_BINARY_DIR}/Pindrake)
add_custom_command(
  OUTPUT ${PINDRAKE_WEB_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${PINDRAKE_WEB_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E touch ${PINDRAKE_WEB_ARCHIVE}
  COMMAND ${ZENTOIR_BUILD_PACKER} append ${PINDRAKE_WEB_ARCHIVE} @${PINDRAKE_DATA_MANIFEST}
          ${PINDRAKE_ICON_FILE}
  DEPENDS ${ZENTOIR_BUILD_PACKER} game_data ${PINDRAKE_DATA_MANIFEST} ${PINDRAKE_ICON_FILE}
  COMMENT "Packing the game data for the web page"
  VERBATIM)
add_custom_target(pindrake_web_archive DEPENDS ${PINDRAKE_WEB_ARCHIVE})
add_dependencies(PindrakeUnpacked pindrake_web_archive)

# Every sleep and every presented frame gives way to the browser, the program's stack
# kept meanwhile (Asyncify); memory grows as the program needs; the context is WebGL 1;
# the saved files are kept in the browser's IndexedDB (saved-files.js).
# SDL, built as a library of its own, names two helpers of Emscripten's that its own
# port would bring in.
set_target_properties(PindrakeUnpacked PROPERTIES
  OUTPUT_NAME Pindrake
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}
  LINK_DEPENDS "${PINDRAKE_WEB_ARCHIVE};${CMAKE_CURRENT_SOURCE_DIR}/web/saved-files.js")
target_link_options(PindrakeUnpacked PRIVATE
  -sASYNCIFY -sALLOW_MEMORY_GROWTH=1 -sMIN_WEBGL_VERSION=1 -sMAX_WEBGL_VERSION=1
  -sFORCE_FILESYSTEM=1 -lidbfs.js "--pre-js=${CMAKE_CURRENT_SOURCE_DIR}/web/saved-files.js"
  "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_CURRENT_SOURCE_DIR}/web/library-functions.json"
  "--preload-file=${PINDRAKE_WEB_ARCHIVE}@/Pindrake")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/web/index.html ${PROJECT_BINARY_DIR}/index.html COPYONLY)
