# Shared by the cross toolchain files, after they set CMAKE_FIND_ROOT_PATH (where one is
# needed): libraries and headers come only from the target's root, programs from the host; and
# what the build makes runs under Wine.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
include(${CMAKE_CURRENT_LIST_DIR}/wine-emulator.cmake)
