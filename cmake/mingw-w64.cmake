# Cross-compiles Klangor for 64-bit Windows with mingw-w64 on Linux.
# The "-posix" compilers carry the winpthreads threading model, which std::thread
# and std::mutex need; the "-win32" ones lack them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KLANGOR_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KLANGOR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KLANGOR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KLANGOR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KLANGOR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs every test executable through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
