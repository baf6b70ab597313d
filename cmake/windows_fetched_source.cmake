# wannianli_fetched_source_dir(VAR SCRIPT FILE...): the folder of a third-party source that Debian has no
# MinGW build of. Taken from the cache variable VAR when set, else from what SCRIPT (under scripts/) prints
# after fetching, checking and unpacking it; the build stops unless every FILE is there.
function(wannianli_fetched_source_dir var script)
  set(${var} "" CACHE PATH "Folder holding ${ARGN} (empty: fetch with scripts/${script})")
  if(NOT ${var})
    execute_process(
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/${script}
      OUTPUT_VARIABLE fetched OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "scripts/${script} failed; run it by hand or set ${var}")
    endif()
    set(${var} ${fetched} CACHE PATH "Folder holding ${ARGN}" FORCE)
  endif()
  foreach(file ${ARGN})
    if(NOT EXISTS ${${var}}/${file})
      message(FATAL_ERROR "no ${file} in ${var}=${${var}}")
    endif()
  endforeach()
endfunction()
