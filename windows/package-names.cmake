# File names of the Windows packages, which the Windows builds write into the top of their
# build folders and the tests of the native build check: a zip of each Windows program,
# named by its architecture (x64 or x86), and the installer of both.
function(lumivor_windows_zip_name architecture variable)
  set(${variable} lumivor-${PROJECT_VERSION}-windows-${architecture}.zip PARENT_SCOPE)
endfunction()
set(LUMIVOR_WINDOWS_SETUP_NAME lumivor-${PROJECT_VERSION}-setup.exe)
