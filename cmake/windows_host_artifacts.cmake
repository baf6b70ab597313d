# The Windows build ships the same yiji.db and skin images as the Linux build. Both are made by host tools
# (the database builder, the art generator), so a native build makes them and this build copies them beside
# wannianli.exe: yiji.db stays byte-identical across platforms.
set(WANNIANLI_HOST_BUILD_DIR "${CMAKE_SOURCE_DIR}/build" CACHE PATH
    "A native build whose bin/ holds yiji.db (and skin/ once it exists)")
if(NOT EXISTS ${WANNIANLI_HOST_BUILD_DIR}/bin/yiji.db)
  message(WARNING "no ${WANNIANLI_HOST_BUILD_DIR}/bin/yiji.db yet: build the native target yiji_db first "
                  "(scripts/build-windows does)")
endif()

# Runs on every build: cheap, and it notices a skin/ that appears after configuration.
add_custom_target(wannianli_host_artifacts ALL
  COMMAND ${CMAKE_COMMAND} -DFROM=${WANNIANLI_HOST_BUILD_DIR}/bin -DTO=${WANNIANLI_OUTPUT_DIR}
          -P ${CMAKE_SOURCE_DIR}/cmake/copy_host_artifacts.cmake
  COMMENT "Copying yiji.db and skin/ from the native build"
  VERBATIM)
