# CTest runs every test executable through Wine. The harness exports WINE with the loader
# that fits the build (wine for 32-bit programs, wine64 for 64-bit ones).
if(DEFINED ENV{WINE})
  set(CMAKE_CROSSCOMPILING_EMULATOR $ENV{WINE})
elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64" AND EXISTS /usr/lib/wine/wine64)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
