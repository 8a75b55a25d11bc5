# Cross build for 64-bit Windows with the MinGW-w64 compilers that Debian ships
# (package g++-mingw-w64-x86-64-posix). The executables are linked statically,
# so they run on a bare Windows without any MinGW runtime DLL beside them.
#
# The test executables run under Wine: CMAKE_CROSSCOMPILING_EMULATOR lets ctest
# and gtest_discover_tests start every .exe through cmake/wine-run.sh, which
# keeps a private Wine prefix inside the build folder.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SKYLOOM_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SKYLOOM_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SKYLOOM_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${SKYLOOM_MINGW_PREFIX}-windres)
set(CMAKE_AR ${SKYLOOM_MINGW_PREFIX}-ar CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${SKYLOOM_MINGW_PREFIX}-ranlib CACHE FILEPATH "Archive indexer")

set(CMAKE_FIND_ROOT_PATH /usr/${SKYLOOM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No libgcc, libstdc++ or winpthread DLLs needed at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Every build folder gets its own Wine prefix, created by the first run.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine-prefix)
