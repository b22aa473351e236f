# zentoir_web_page(<target>): links a program on the runtime as a web page's program.
# Every sleep and every presented frame gives way to the browser, the program's stack
# kept meanwhile (Asyncify); memory grows as the program needs; the context is WebGL 1.
# SDL, built as a library of its own, names two helpers of Emscripten's that its own
# port would bring in.
function(zentoir_web_page target)
  target_link_options(${target} PRIVATE
    -sASYNCIFY -sALLOW_MEMORY_GROWTH=1 -sMIN_WEBGL_VERSION=1 -sMAX_WEBGL_VERSION=1
    -sFORCE_FILESYSTEM=1
    "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_SOURCE_DIR}/cmake/web-library-functions.json")
endfunction()
