# The manifest and version resources, compiled with windres into wannianli.exe (windres finds the manifest
# beside the .rc file).
enable_language(RC)
set(WANNIANLI_RC ${CMAKE_SOURCE_DIR}/app/resources/wannianli.rc)
target_sources(wannianli PRIVATE ${WANNIANLI_RC})
set_property(SOURCE ${WANNIANLI_RC} TARGET_DIRECTORY wannianli APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/app/resources/wannianli.exe.manifest)
