# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, whose runtime
# links in statically): for the course's Qt and for the course itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TESMORA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESMORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESMORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TESMORA_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TESMORA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Every program stands alone: the C and C++ runtimes and the thread library are linked in, so nothing
# but Windows' own DLLs is needed beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
