# Fails the docs target when Doxygen found an undocumented public command. The text
# operators are documented by the comment above each family, which Doxygen does not
# give to every overload, so warnings about them are left out.
file(STRINGS ${WARNINGS} lines)
list(FILTER lines EXCLUDE REGEX "operator")
if(lines)
  list(JOIN lines "\n" text)
  message(${text})
  message(FATAL_ERROR "The command reference has warnings (${WARNINGS})")
endif()
