# Cross toolchain: 32-bit Windows, the program the system describes.
set(MINGW_TARGET i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
