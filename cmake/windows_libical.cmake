# libical for the Windows build, compiled from Debian's source package of the version the Linux build links
# (scripts/fetch-libical checks and unpacks it; Debian has no MinGW library). libical's own CMake build, for
# its core library alone: no ICU, Berkeley DB, GObject, C++ bindings, tests or documents.
include(${CMAKE_CURRENT_LIST_DIR}/windows_fetched_source.cmake)
include(ExternalProject)
wannianli_fetched_source_dir(WANNIANLI_LIBICAL_DIR fetch-libical CMakeLists.txt src/libical/icalparser.c)

set(libical_prefix ${CMAKE_BINARY_DIR}/libical)
get_filename_component(libical_toolchain ${CMAKE_TOOLCHAIN_FILE} ABSOLUTE BASE_DIR ${CMAKE_SOURCE_DIR})
ExternalProject_Add(libical_build
  SOURCE_DIR ${WANNIANLI_LIBICAL_DIR}
  BINARY_DIR ${libical_prefix}/build
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${libical_toolchain} -DCMAKE_BUILD_TYPE=Release -DSTATIC_ONLY=ON
             -DWITH_CXX_BINDINGS=OFF -DICAL_GLIB=OFF -DICAL_BUILD_DOCS=OFF -DGOBJECT_INTROSPECTION=OFF
             -DLIBICAL_BUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON -DCMAKE_DISABLE_FIND_PACKAGE_BDB=ON
             -DCMAKE_C_FLAGS=-w
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ical
  # The one header the program includes, beside the export header it needs.
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/src/libical/ical.h
                  ${WANNIANLI_LIBICAL_DIR}/src/libical/libical_ical_export.h ${libical_prefix}/include/libical/
  BUILD_BYPRODUCTS ${libical_prefix}/build/bin/libical.a)
file(MAKE_DIRECTORY ${libical_prefix}/include/libical)

add_library(wl_libical STATIC IMPORTED GLOBAL)
set_target_properties(wl_libical PROPERTIES
  IMPORTED_LOCATION ${libical_prefix}/build/bin/libical.a
  INTERFACE_INCLUDE_DIRECTORIES ${libical_prefix}/include
  INTERFACE_COMPILE_DEFINITIONS LIBICAL_ICAL_STATIC_DEFINE
  INTERFACE_LINK_LIBRARIES pthread)
add_dependencies(wl_libical libical_build)
