# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# std::thread and std::mutex need). Programs built with it run on Linux under Wine: the test
# command sets CMAKE_CROSSCOMPILING_EMULATOR to the wine binary so CTest and GoogleTest's test
# discovery can run them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KOVRIN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KOVRIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOVRIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KOVRIN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KOVRIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages built for Windows in the build folder (GoogleTest) are found through CMAKE_PREFIX_PATH.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Static runtime: the programs need no MinGW DLL beside them and run from a folder of their own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
