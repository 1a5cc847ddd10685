# Cross toolchain: the same sources as a 64-bit Windows program.
set(MINGW_TARGET x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
