# Cross toolchain for Windows with the posix thread model of mingw-w64;
# the architecture's own file sets MINGW_TARGET first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_TARGET})

set(CMAKE_C_COMPILER ${MINGW_TARGET}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TARGET}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TARGET}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TARGET}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No mingw runtime DLLs beside the binaries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
