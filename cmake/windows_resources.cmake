# The manifest, icon and version resources, compiled with windres into wannianli.exe (windres finds the
# manifest beside the .rc file, and the icon, drawn by the native build's art generator, in its icons/).
enable_language(RC)
set(WANNIANLI_RC ${CMAKE_SOURCE_DIR}/app/resources/wannianli.rc)
set(WANNIANLI_ICO ${WANNIANLI_HOST_BUILD_DIR}/icons/io.github.wannianli.Wannianli.ico)
if(NOT EXISTS ${WANNIANLI_ICO})
  message(WARNING "no ${WANNIANLI_ICO} yet: build the native target wannianli_desktop_files first "
                  "(scripts/build-windows does)")
endif()
target_sources(wannianli PRIVATE ${WANNIANLI_RC})
set_property(SOURCE ${WANNIANLI_RC} TARGET_DIRECTORY wannianli APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/app/resources/wannianli.exe.manifest ${WANNIANLI_ICO})
set_property(SOURCE ${WANNIANLI_RC} TARGET_DIRECTORY wannianli APPEND PROPERTY
  INCLUDE_DIRECTORIES ${WANNIANLI_HOST_BUILD_DIR}/icons)
set_property(SOURCE ${WANNIANLI_RC} TARGET_DIRECTORY wannianli APPEND PROPERTY
  COMPILE_DEFINITIONS WANNIANLI_VERSION=${PROJECT_VERSION}
  WANNIANLI_VERSION_MAJOR=${PROJECT_VERSION_MAJOR} WANNIANLI_VERSION_MINOR=${PROJECT_VERSION_MINOR})
