# Cross-building the 64-bit Windows program on Debian with mingw-w64 (`make windows`).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
