# Cross build of the 32-bit Windows programs with Debian's mingw-w64 in its
# win32 thread model: the programs have one thread, and the POSIX thread
# library would bring in imports that Windows XP lacks (GetTickCount64).
# The PE header names Windows XP (5.1) as the oldest system they run on.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXECUTABLE_SUFFIX .exe)
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-Wl,--major-os-version,5,--minor-os-version,1,--major-subsystem-version,5,--minor-subsystem-version,1")
# The test programs run under Wine (CTest's emulator): scripts/wine-tests.sh
# runs each in a fresh prefix of its own, or in that of its locale's run.
cmake_path(SET KASUMIRO_WINE_TESTS NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-tests.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KASUMIRO_WINE_TESTS} --program)
