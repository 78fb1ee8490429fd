# File names of the Windows packages, which the Windows build writes into the
# top of its build folder and the tests of the native build check.
set(LUMIVOR_WINDOWS_ZIP_NAME lumivor-${PROJECT_VERSION}-windows.zip)
set(LUMIVOR_WINDOWS_SETUP_NAME lumivor-${PROJECT_VERSION}-setup.exe)
