# The core and the modal commands reach the renderer only through its face: no file of
# theirs includes another header of the renderer's or GL rooms.
file(GLOB_RECURSE sources ${RUNTIME}/core/*.cpp ${RUNTIME}/core/*.h ${RUNTIME}/modal/*.cpp
     ${RUNTIME}/modal/*.h)
set(found "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} includes REGEX "^#include \"gfx2d/(renderer|gl)/")
  foreach(line IN LISTS includes)
    if(NOT line STREQUAL "#include \"gfx2d/renderer/RendererFace.h\"")
      list(APPEND found "${source}: ${line}")
    endif()
  endforeach()
endforeach()
if(found)
  list(JOIN found "\n" listed)
  message(FATAL_ERROR "past the renderer's face:\n${listed}")
endif()
