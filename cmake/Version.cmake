# The one version, project(VERSION), in every form that a file shows it:
#   TAVREL_TITLE            "Tavrel V1.0": the title of the program and its windows
#   TAVREL_PACKAGE_VERSION  "1.00": the packages, the version resource, the metainfo
#   TAVREL_VERSION_QUAD     "1.0.0.0": the Windows manifest
# and a header with them, tavrel_version.h, for the code and the resource script.
set(TAVREL_TITLE "Tavrel V${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
if(PROJECT_VERSION_MINOR LESS 10)
    set(TAVREL_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(TAVREL_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
set(TAVREL_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
set(TAVREL_RELEASE_DATE 2026-12-06)
# Where the project is reached: the package's maintainer, the manual page's
# address for reports and the AppStream data all take theirs from here.
set(TAVREL_DOMAIN tavrel.invalid)
set(TAVREL_MAINTAINER "The Tavrel developers <developers@${TAVREL_DOMAIN}>")

set(TAVREL_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tavrel_version.h.in
               ${TAVREL_GENERATED_DIR}/tavrel_version.h @ONLY)
