# Fails the docs target when Doxygen found an undocumented public command.
file(READ ${WARNINGS} text)
if(NOT text STREQUAL "")
  message(${text})
  message(FATAL_ERROR "The command reference has warnings (${WARNINGS})")
endif()
