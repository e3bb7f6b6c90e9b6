# Cross build for 32-bit Windows with GCC (MinGW-w64): the same sources as the shipped
# program, from a second compiler.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
