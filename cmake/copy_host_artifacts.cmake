# cmake -DFROM=<native bin/> -DTO=<windows bin/> -P copy_host_artifacts.cmake
if(NOT EXISTS ${FROM}/yiji.db)
  message(FATAL_ERROR "${FROM}/yiji.db is missing: build the native target yiji_db first")
endif()
file(COPY_FILE ${FROM}/yiji.db ${TO}/yiji.db ONLY_IF_DIFFERENT)
if(IS_DIRECTORY ${FROM}/skin)
  file(COPY ${FROM}/skin DESTINATION ${TO})
endif()
