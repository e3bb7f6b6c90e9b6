# Shared by the GCC cross builds: MinGW-w64's g++ (the posix flavour where there is one),
# windres, and Debian's mingw packages as the only root for headers and libraries. Included
# with `triple` set.
set(CMAKE_SYSTEM_NAME Windows)
find_program(CMAKE_CXX_COMPILER NAMES ${triple}-g++-posix ${triple}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${triple}-gcc-posix ${triple}-gcc REQUIRED)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
include(${CMAKE_CURRENT_LIST_DIR}/cross-root.cmake)
