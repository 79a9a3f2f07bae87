# Cross toolchain shared by both Windows builds: mingw-w64 with posix threads, fully static.
# The including file sets SNOOZR_MINGW_PROCESSOR (i686 or x86_64) first.
set(SNOOZR_MINGW_TRIPLE ${SNOOZR_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SNOOZR_MINGW_PROCESSOR})
set(CMAKE_C_COMPILER ${SNOOZR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SNOOZR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SNOOZR_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${SNOOZR_MINGW_TRIPLE}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${SNOOZR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages too (GoogleTest's): the build machine's native ones cannot link into a Windows program.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
