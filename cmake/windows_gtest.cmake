# GoogleTest for the Windows test programs, compiled from the sources Debian's libgtest-dev ships (it has no
# MinGW libraries). The programs run under wine through CMAKE_CROSSCOMPILING_EMULATOR.
set(WANNIANLI_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${WANNIANLI_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
foreach(lib gtest gtest_main gmock gmock_main)
  target_compile_options(${lib} PRIVATE -w)  # upstream's code
endforeach()
