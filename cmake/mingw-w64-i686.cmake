# The shipped program: 32-bit Windows (XP SP3 and later, WOW64, 32-bit Wine prefixes).
set(SNOOZR_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
