# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (package g++-mingw-w64-x86-64-posix).
# The engine layers and their tests build this way; Qt for Windows is not at hand, so configure
# with -DDALVENQUIST_GUI=OFF. scripts/test-windows.sh builds and runs the tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DALVENQUIST_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix flavour, whose runtime has std::thread and friends.
set(CMAKE_C_COMPILER ${DALVENQUIST_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DALVENQUIST_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${DALVENQUIST_MINGW_TRIPLE}-windres)

# Libraries and headers from the Windows sysroot only, never the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${DALVENQUIST_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthread go into the executable, so that it runs under Wine or
# on a bare Windows machine without MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
