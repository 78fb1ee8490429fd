# The build runs generators of its own: lumivor_render_pictures writes the card
# pictures, lumivor_render_icon the icon. A cross build cannot run what it
# compiles, so it imports them from a native build of this project: the native
# build writes them to <build>/host-tools.cmake, and the cross build is
# configured with -DLUMIVOR_HOST_TOOLS=<native build>/host-tools.cmake (and
# the native build must have built them: ninja lumivor_host_tools).

set(LUMIVOR_HOST_TOOL_TARGETS lumivor_render_pictures lumivor_render_icon)

# Before the layers are added: a cross build imports the generators, which
# are then known by the same target names as in a native build.
macro(lumivor_import_host_tools)
  if(CMAKE_CROSSCOMPILING)
    set(LUMIVOR_HOST_TOOLS "" CACHE FILEPATH
      "host-tools.cmake of a native Lumivor build whose generators this build runs")
    if(NOT EXISTS "${LUMIVOR_HOST_TOOLS}")
      message(FATAL_ERROR "A cross build needs LUMIVOR_HOST_TOOLS: the host-tools.cmake "
        "that a native build of Lumivor writes into its build folder")
    endif()
    include(${LUMIVOR_HOST_TOOLS})
  endif()
endmacro()

# After the layers are added: a native build exports the generators for cross
# builds, and names them together as the target lumivor_host_tools.
function(lumivor_export_host_tools)
  if(NOT CMAKE_CROSSCOMPILING)
    export(TARGETS ${LUMIVOR_HOST_TOOL_TARGETS} FILE ${CMAKE_BINARY_DIR}/host-tools.cmake)
    add_custom_target(lumivor_host_tools DEPENDS ${LUMIVOR_HOST_TOOL_TARGETS})
  endif()
endfunction()
