# MSVC-mode cross build for 32-bit Windows: clang-cl and lld-link, with Wine's Windows headers
# in place of the Windows SDK's, libc++'s headers in place of Microsoft's C++ library, and
# import libraries made here from the .def files in msvc-wine/. Everything that differs from a
# Visual Studio build sits in this file and msvc-wine/: the project's CMakeLists.txt sees
# MSVC, as it does under Visual Studio.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(triple i686-pc-windows-msvc)
set(llvm_bin /usr/lib/llvm-14/bin)
find_program(CMAKE_C_COMPILER NAMES clang-cl clang-cl-14 HINTS ${llvm_bin} REQUIRED)
set(CMAKE_CXX_COMPILER ${CMAKE_C_COMPILER})
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
find_program(CMAKE_LINKER NAMES lld-link lld-link-14 HINTS ${llvm_bin} REQUIRED)
find_program(CMAKE_AR NAMES llvm-lib llvm-lib-14 HINTS ${llvm_bin} REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES llvm-rc llvm-rc-14 HINTS ${llvm_bin} REQUIRED)
find_program(CMAKE_MT NAMES llvm-mt llvm-mt-14 HINTS ${llvm_bin} REQUIRED)
find_program(VCONFIG_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 HINTS ${llvm_bin} REQUIRED)

set(shim ${CMAKE_CURRENT_LIST_DIR}/msvc-wine)
set(wine_include /usr/include/wine/wine)
if(NOT EXISTS ${wine_include}/windows/windows.h)
  message(FATAL_ERROR "Wine's Windows headers are missing (Debian: libwine-dev)")
endif()
# The system headers, in the order Visual Studio has them: the C++ library, the C runtime, the
# Windows SDK. Debian's libc++ is configured for Linux: no threads, and its templates
# instantiated here rather than taken from a library that does not exist for Windows.
string(JOIN " " headers -imsvc /usr/lib/llvm-14/include/c++/v1
       -imsvc ${wine_include}/msvcrt -imsvc ${wine_include}/windows)
string(JOIN " " libcxx -D_LIBCPP_NO_VCRUNTIME -D_LIBCPP_HAS_NO_THREADS
       -D_LIBCPP_DISABLE_EXTERN_TEMPLATE -D_LIBCPP_DISABLE_VISIBILITY_ANNOTATIONS)
set(CMAKE_C_FLAGS_INIT "${headers} /FI${shim}/shim.h")
set(CMAKE_CXX_FLAGS_INIT "${headers} ${libcxx} /FI${shim}/shim.h")
set(CMAKE_RC_FLAGS_INIT "-I ${wine_include}/windows")

# Import libraries of the system DLLs the program calls, each from the names it needs. The
# compiler checks build static libraries, so they need none of these.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
get_property(in_try_compile GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT in_try_compile)
  set(import_libs ${CMAKE_BINARY_DIR}/import-libs)
  file(MAKE_DIRECTORY ${import_libs})
  file(GLOB defs ${shim}/*.def)
  # A changed .def file configures again, which makes its library anew.
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${defs})
  foreach(def IN LISTS defs)
    get_filename_component(name ${def} NAME_WE)
    set(lib ${import_libs}/${name}.lib)
    if(${def} IS_NEWER_THAN ${lib})
      execute_process(COMMAND ${VCONFIG_DLLTOOL} -m i386 -k -d ${def} -l ${lib}
                      RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "llvm-dlltool failed on ${def}")
      endif()
    endif()
  endforeach()
  set(link "/NODEFAULTLIB /LIBPATH:${import_libs}")
  set(CMAKE_EXE_LINKER_FLAGS_INIT "${link}")
  set(CMAKE_SHARED_LINKER_FLAGS_INIT "${link}")
endif()
# The C runtime is the system's msvcrt.dll, which sets itself up as it loads.
set(CMAKE_C_STANDARD_LIBRARIES "msvcrt.lib" CACHE STRING "")
set(CMAKE_CXX_STANDARD_LIBRARIES "msvcrt.lib" CACHE STRING "")

include(${CMAKE_CURRENT_LIST_DIR}/cross-root.cmake)
