# pugixml for the Windows build, compiled from Debian's source package of the version the Linux build links
# (scripts/fetch-pugixml checks and unpacks it; Debian has no MinGW library).
include(${CMAKE_CURRENT_LIST_DIR}/windows_fetched_source.cmake)
wannianli_fetched_source_dir(WANNIANLI_PUGIXML_DIR fetch-pugixml pugixml.cpp pugixml.hpp)

add_library(wl_pugixml STATIC ${WANNIANLI_PUGIXML_DIR}/pugixml.cpp)
target_include_directories(wl_pugixml SYSTEM PUBLIC ${WANNIANLI_PUGIXML_DIR})
target_compile_options(wl_pugixml PRIVATE -w)  # upstream's code
