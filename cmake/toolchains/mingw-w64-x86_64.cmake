# 64-bit Windows, cross-built with Debian's MinGW-w64 compilers (the posix thread model,
# which has std::thread). The Windows builds of the dependencies come from
# scripts/windows-deps; ZENTOIR_WINDOWS_DEPS names the prefix it printed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# The environment carries the prefix into the try_compile projects, which read this file
# again without the cache (and would leave pkg-config looking in the wrong place).
if(ZENTOIR_WINDOWS_DEPS)
  set(ENV{ZENTOIR_WINDOWS_DEPS} ${ZENTOIR_WINDOWS_DEPS})
elseif(DEFINED ENV{ZENTOIR_WINDOWS_DEPS})
  set(ZENTOIR_WINDOWS_DEPS $ENV{ZENTOIR_WINDOWS_DEPS})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${ZENTOIR_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config sees the Windows libraries only, linked statically.
set(ENV{PKG_CONFIG_LIBDIR} "${ZENTOIR_WINDOWS_DEPS}/lib/pkgconfig:/usr/${triple}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
set(PKG_CONFIG_ARGN --static)

# A self-contained program: no DLL of the compiler's runtime beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
