# Cross build for 64-bit Windows with GCC (MinGW-w64). Used to run the program and its tests under
# Wine on hosts whose kernel cannot execute 32-bit Linux binaries (and so cannot start the
# 32-bit Wine loader); the sources are the same.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
