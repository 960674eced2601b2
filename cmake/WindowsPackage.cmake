# Tavrel.exe as a zip to unpack and run anywhere, and as a 64-bit NSIS
# installer: per machine, with a Start-menu shortcut, an uninstaller and its
# entry in the Apps list.
set(CPACK_PACKAGE_NAME Tavrel)
set(CPACK_PACKAGE_VENDOR "The Tavrel developers")
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Descent distance calculator for flight-simulator pilots")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tavrel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tavrel)
set(CPACK_PACKAGE_EXECUTABLES Tavrel Tavrel) # the Start-menu shortcut
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF) # Tavrel.exe at the top of the zip
set(CPACK_NSIS_PACKAGE_NAME Tavrel)
set(CPACK_NSIS_DISPLAY_NAME Tavrel)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_INSTALLED_ICON_NAME Tavrel.exe) # the Apps list's icon
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/windows/tavrel.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/windows/tavrel.ico)
set(CPACK_NSIS_DEFINES "Target amd64-unicode") # a 64-bit installer for a 64-bit program
# Tavrel-1.00-win64.zip and Tavrel-1.00-setup.exe.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsPackageNames.cmake)
include(CPack)
