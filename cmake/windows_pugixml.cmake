# pugixml for the Windows build, compiled from Debian's source package of the version the Linux build links
# (scripts/fetch-pugixml checks and unpacks it; Debian has no MinGW library).
set(WANNIANLI_PUGIXML_DIR "" CACHE PATH "Folder holding pugixml.cpp and pugixml.hpp (empty: fetch them)")
if(NOT WANNIANLI_PUGIXML_DIR)
  execute_process(
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/fetch-pugixml
    OUTPUT_VARIABLE fetched OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "scripts/fetch-pugixml failed; run it by hand or set WANNIANLI_PUGIXML_DIR")
  endif()
  set(WANNIANLI_PUGIXML_DIR ${fetched} CACHE PATH "Folder holding pugixml.cpp and pugixml.hpp" FORCE)
endif()
if(NOT EXISTS ${WANNIANLI_PUGIXML_DIR}/pugixml.cpp)
  message(FATAL_ERROR "no pugixml.cpp in WANNIANLI_PUGIXML_DIR=${WANNIANLI_PUGIXML_DIR}")
endif()

add_library(wl_pugixml STATIC ${WANNIANLI_PUGIXML_DIR}/pugixml.cpp)
target_include_directories(wl_pugixml SYSTEM PUBLIC ${WANNIANLI_PUGIXML_DIR})
target_compile_options(wl_pugixml PRIVATE -w)  # upstream's code
