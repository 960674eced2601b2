# fast_float and {fmt}, header-only, from Debian's libfast-float-dev and
# libfmt-dev: the number conversions give the same bits with every standard
# library. A toolchain for another system (mingw-w64, Emscripten) must not see
# the host's other headers, so they are reached through a folder that holds
# only these two.
foreach(library fast_float fmt)
    find_path(TAVREL_${library}_INCLUDE ${library} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
              NO_DEFAULT_PATH)
    if(NOT TAVREL_${library}_INCLUDE)
        message(FATAL_ERROR "${library} headers not found: install libfast-float-dev and libfmt-dev")
    endif()
    file(MAKE_DIRECTORY ${TAVREL_GENERATED_DIR}/headers)
    file(CREATE_LINK ${TAVREL_${library}_INCLUDE}/${library}
         ${TAVREL_GENERATED_DIR}/headers/${library} SYMBOLIC)
endforeach()
add_library(tavrel_header_libraries INTERFACE)
target_include_directories(tavrel_header_libraries SYSTEM INTERFACE ${TAVREL_GENERATED_DIR}/headers)
# No locale is ever used: {fmt} then leaves the standard library's locales out.
target_compile_definitions(tavrel_header_libraries INTERFACE FMT_HEADER_ONLY
                           FMT_STATIC_THOUSANDS_SEPARATOR=',')
