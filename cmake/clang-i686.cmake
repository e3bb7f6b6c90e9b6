# Cross build for 32-bit Windows with Clang and lld (a second compiler for the same sources).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw.cmake)
# Clang 14 and GCC 12 pass an empty class argument differently on i686 (llvm-project #58255):
# the suites and the bench's harness crashed at start in GCC's static libstdc++. They take it as
# DLLs, copied beside each (vconfig_cxx_runtime_dlls). The program itself holds no libstdc++ code.
set(VCONFIG_RUNTIME_DLL_FILES ${gcc_dir}/libstdc++-6.dll ${gcc_dir}/libgcc_s_dw2-1.dll
    ${CMAKE_SYSROOT}/lib/libwinpthread-1.dll)
