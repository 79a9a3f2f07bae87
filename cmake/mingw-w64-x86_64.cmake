# The second configuration: 64-bit Windows.
set(SNOOZR_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
