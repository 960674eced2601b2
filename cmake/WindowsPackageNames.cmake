# Read by CPack for each generator: the file name of each package.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME Tavrel-1.00-setup)
else()
    set(CPACK_PACKAGE_FILE_NAME Tavrel-1.00-win64)
endif()
