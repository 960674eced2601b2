# Read by CPack for each generator: the file name of each package.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME Tavrel-${CPACK_PACKAGE_VERSION}-setup)
else()
    set(CPACK_PACKAGE_FILE_NAME Tavrel-${CPACK_PACKAGE_VERSION}-win64)
endif()
