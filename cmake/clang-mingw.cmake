# Shared by the Clang cross builds: clang and lld against the MinGW-w64 headers and libraries
# of Debian's mingw packages (the C++ headers, libgcc and libstdc++ from its GCC). Included
# with `triple` set.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
string(REPLACE "-w64-mingw32" "-w64-windows-gnu" clang_target ${triple})
set(CMAKE_C_COMPILER_TARGET ${clang_target})
set(CMAKE_CXX_COMPILER_TARGET ${clang_target})
set(CMAKE_SYSROOT /usr/${triple})
# Without the sysroot Clang would also search the host's /usr/include.
file(GLOB gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/${triple}/*-posix /usr/lib/gcc/${triple}/*)
list(GET gcc_dirs 0 gcc_dir)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gcc_dir}/include/c++ ${gcc_dir}/include/c++/${triple}
    ${gcc_dir}/include/c++/backward)
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir}")
endforeach()
# GCC's posix libstdc++ locks through winpthreads, which g++ links by itself.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -pthread")
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-ar)
set(CMAKE_RANLIB ${triple}-ranlib)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
include(${CMAKE_CURRENT_LIST_DIR}/cross-root.cmake)
