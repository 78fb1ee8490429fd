# The parts of the program that build for Windows (included by the top-level CMakeLists.txt
# when cross-compiling with cmake/mingw-w64-x86_64.cmake).
enable_testing()

# GoogleTest is not packaged for mingw-w64: it is built from Debian's sources, before the
# project's own warning flags apply.
set(LUMIVOR_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${LUMIVOR_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_compile_options(-Wall -Wextra -Werror)

add_subdirectory(toolkit/platform/win32)
add_subdirectory(tests/platform_win32)
