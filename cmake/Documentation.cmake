# `cmake --build build --target docs` writes the command reference to build/docs/html from
# the comments in zentoir.h and the headers it includes, with docs/guide.md as its first
# page. The target fails when a public command has no comment (the warnings are kept in
# build/docs/warnings.txt).
find_program(DOXYGEN_PROGRAM doxygen)
if(NOT DOXYGEN_PROGRAM)
  return()
endif()

# The public headers: zentoir.h and what it includes.
set(public_header ${PROJECT_SOURCE_DIR}/runtime/zentoir.h)
file(STRINGS ${public_header} include_lines REGEX "^#include \"")
set(ZENTOIR_DOCS_INPUT ${public_header})
foreach(line IN LISTS include_lines)
  string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
  list(APPEND ZENTOIR_DOCS_INPUT ${PROJECT_SOURCE_DIR}/runtime/${header})
endforeach()
list(JOIN ZENTOIR_DOCS_INPUT " " ZENTOIR_DOCS_INPUT)

set(ZENTOIR_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${ZENTOIR_DOCS_DIR}/Doxyfile @ONLY)
add_custom_target(docs
  COMMAND ${DOXYGEN_PROGRAM} ${ZENTOIR_DOCS_DIR}/Doxyfile
  COMMAND ${CMAKE_COMMAND} -DWARNINGS=${ZENTOIR_DOCS_DIR}/warnings.txt
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckDocWarnings.cmake
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Writing the command reference to ${ZENTOIR_DOCS_DIR}/html"
  VERBATIM)
