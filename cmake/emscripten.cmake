# Cross-building for the browser with Debian's Emscripten (`make web`): 32-bit WebAssembly,
# whose tests run under Node (the build's emulator, found by Emscripten's own file).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# Emscripten's CMake modules predate CMake's LINUX and leave the build machine's set.
unset(LINUX)

# The toolkit reports a bad form definition or a missing card as a C++ exception and catches
# it. Emscripten's libraries come prebuilt with exceptions thrown through JavaScript, the
# one kind that every engine runs.
set(CMAKE_CXX_FLAGS_INIT -fexceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT -fexceptions)

# em++ links through a JavaScript optimiser that needs Debian's acorn, which a node other
# than Debian's own finds only on NODE_PATH.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)

# What the browser fetches is the program itself: optimised, with no debugging information,
# which would make it ten times the size.
set(CMAKE_BUILD_TYPE Release CACHE STRING "The build type; the web build's is Release")
