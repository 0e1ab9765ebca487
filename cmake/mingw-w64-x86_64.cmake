# Cross build for 64-bit Windows with the MinGW-w64 compiler (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(Q5_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${Q5_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${Q5_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${Q5_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${Q5_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# A self-contained executable: no MinGW runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Test executables run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
