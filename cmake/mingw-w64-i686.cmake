# Cross-building the 32-bit Windows program on Debian with mingw-w64 (`make windows`), for
# the learners whose Windows 7 or 10 is 32-bit.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
