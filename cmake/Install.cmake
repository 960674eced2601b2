# Installing Tavrel as a desktop application, and its .deb package.
include(GNUInstallDirs)

set(TAVREL_APP_ID org.tavrel.Tavrel)

install(TARGETS tavrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
    install(FILES resources/linux/${TAVREL_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES resources/linux/${TAVREL_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 32 48 64 128 256)
        install(FILES resources/icons/tavrel-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${TAVREL_APP_ID}.png)
    endforeach()
    install(FILES resources/icons/tavrel.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${TAVREL_APP_ID}.svg)
endif()

set(CPACK_PACKAGE_NAME tavrel)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR "The Tavrel developers")
set(CPACK_PACKAGE_CONTACT "The Tavrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "descent distance calculator for flight-simulator pilots")
set(CPACK_PACKAGE_DESCRIPTION
    "From the altitude a descent starts at, the altitude to reach, the vertical speed, the airspeed (indicated or true), the heading and the wind, Tavrel computes the ground distance in nautical miles that the descent covers. For flight simulator use only.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Qt runtime dependencies as dpkg-shlibdeps finds them in the binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
include(CPack)
