# Installing Tavrel and packing it: on Linux a desktop application in a .deb,
# on Windows Tavrel.exe in a zip to unpack and run anywhere and in a 64-bit
# NSIS installer (per machine, with a Start-menu shortcut, an uninstaller and
# its entry in the Apps list).
set(CPACK_PACKAGE_VERSION ${TAVREL_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tavrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "descent distance calculator for flight-simulator pilots")

if(WIN32)
    install(TARGETS tavrel RUNTIME DESTINATION .)
    install(FILES LICENSE DESTINATION . RENAME LICENSE.txt) # Notepad opens a .txt
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE) # the installer's page
    set(CPACK_PACKAGE_NAME Tavrel)
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
    # Tavrel-<version>-win64.zip and Tavrel-<version>-setup.exe.
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsPackageNames.cmake)
else()
    include(GNUInstallDirs)
    set(TAVREL_APP_ID org.tavrel.Tavrel)
    install(TARGETS tavrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES resources/linux/${TAVREL_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    configure_file(resources/linux/${TAVREL_APP_ID}.metainfo.xml.in
                   ${TAVREL_GENERATED_DIR}/${TAVREL_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${TAVREL_GENERATED_DIR}/${TAVREL_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 32 48 64 128 256)
        install(FILES resources/icons/tavrel-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${TAVREL_APP_ID}.png)
    endforeach()
    install(FILES resources/icons/tavrel.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${TAVREL_APP_ID}.svg)

    # Debian's documents: the licences, the changelog and the manual page,
    # compressed without names or times, so that the package is reproducible.
    configure_file(resources/linux/copyright.in ${TAVREL_GENERATED_DIR}/copyright @ONLY)
    install(FILES ${TAVREL_GENERATED_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavrel)
    set(compressed)
    foreach(document changelog tavrel.1)
        configure_file(resources/linux/${document}.in ${TAVREL_GENERATED_DIR}/${document} @ONLY)
        add_custom_command(OUTPUT ${TAVREL_GENERATED_DIR}/${document}.gz
                           COMMAND gzip -9nfk ${TAVREL_GENERATED_DIR}/${document}
                           DEPENDS ${TAVREL_GENERATED_DIR}/${document})
        list(APPEND compressed ${TAVREL_GENERATED_DIR}/${document}.gz)
    endforeach()
    add_custom_target(documents ALL DEPENDS ${compressed})
    install(FILES ${TAVREL_GENERATED_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavrel)
    install(FILES ${TAVREL_GENERATED_DIR}/tavrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

    set(CPACK_PACKAGE_NAME tavrel)
    set(CPACK_PACKAGE_CONTACT "${TAVREL_MAINTAINER}")
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "From the altitude a descent starts at, the altitude to reach, the vertical
speed, the airspeed (indicated or true), the heading and the wind, Tavrel
computes the ground distance in nautical miles that the descent covers.
For flight simulator use only.")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION misc)
    # Qt runtime dependencies as dpkg-shlibdeps finds them in the binary.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
endif()
include(CPack)
