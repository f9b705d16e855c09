# Cross-compiles 64-bit Windows executables with Debian's MinGW-w64 (the posix thread model,
# which std::thread and std::mutex need). The runtime libraries are linked statically so that
# each .exe runs alone, and ctest runs the tests through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZIRDAN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZIRDAN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZIRDAN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZIRDAN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZIRDAN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No libgcc, libstdc++ or winpthread DLL to ship beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(ZIRDAN_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZIRDAN_WINE})
