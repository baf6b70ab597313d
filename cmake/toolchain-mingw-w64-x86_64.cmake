# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers. The -posix variants are the ones whose
# C++ library has std::thread and std::mutex (the -win32 variants lack them).
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(WANNIANLI_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${WANNIANLI_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WANNIANLI_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${WANNIANLI_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WANNIANLI_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained exe: no libstdc++-6.dll, libgcc_s_seh-1.dll or libwinpthread-1.dll to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs the test programs with the 64-bit wine loader; the caller sets WINEPREFIX and the rest
# (scripts/smoke-windows does).
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)

# Static libraries where Debian's MinGW packages offer both (zlib for the tests), so no DLL has to be shipped.
set(ZLIB_USE_STATIC_LIBS ON)
