# The SDL the Linux host links: by default the X11-only static library scripts/build-sdl builds from Debian's
# own SDL source (once per machine, into ~/.cache/wannianli), so that the widget maps none of the audio,
# Wayland and GPU libraries Debian's shared libSDL2 brings. WANNIANLI_SYSTEM_SDL=ON links the system's shared
# SDL2 instead (pkg-config sdl2), for builds that must use the distribution's copy.
option(WANNIANLI_SYSTEM_SDL "Link the system's shared SDL2 instead of the one scripts/build-sdl builds" OFF)
set(WANNIANLI_SDL_PREFIX "" CACHE PATH "An SDL install prefix to use instead of running scripts/build-sdl")

add_library(wannianli_sdl2 INTERFACE)
if(WANNIANLI_SYSTEM_SDL)
  pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
  target_link_libraries(wannianli_sdl2 INTERFACE PkgConfig::SDL2)
  return()
endif()

set(sdl_prefix ${WANNIANLI_SDL_PREFIX})
if(NOT sdl_prefix)
  # Run every time: it answers at once from its stamp, and a changed recipe gets its new build.
  execute_process(
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-sdl
    OUTPUT_VARIABLE sdl_prefix OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "scripts/build-sdl failed; run it by hand, set WANNIANLI_SDL_PREFIX, "
                        "or configure with -DWANNIANLI_SYSTEM_SDL=ON")
  endif()
endif()
find_package(SDL2 2.26 CONFIG REQUIRED PATHS ${sdl_prefix} NO_DEFAULT_PATH)
if(NOT TARGET SDL2::SDL2-static)
  message(FATAL_ERROR "${sdl_prefix} holds no static SDL2 (SDL2::SDL2-static)")
endif()
target_link_libraries(wannianli_sdl2 INTERFACE SDL2::SDL2-static)
