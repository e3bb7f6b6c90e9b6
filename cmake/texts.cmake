# The program's texts: res/texts.txt (UTF-8) becomes generated/texts.h, the same texts as
# escaped Windows-1251 bytes, so no compiler needs an execution character set of its own.
set(VCONFIG_TEXTS_HEADER ${CMAKE_BINARY_DIR}/generated/texts.h)
add_custom_command(OUTPUT ${VCONFIG_TEXTS_HEADER}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/res/make_texts.py
          ${CMAKE_SOURCE_DIR}/res/texts.txt ${VCONFIG_TEXTS_HEADER}
  DEPENDS ${CMAKE_SOURCE_DIR}/res/make_texts.py ${CMAKE_SOURCE_DIR}/res/texts.txt)
add_custom_target(vconfig_texts DEPENDS ${VCONFIG_TEXTS_HEADER})

# Sources outside the program (the suites, the tools, the baseline) keep their Russian literals
# as they read; the build compiles copies with those literals escaped as Windows-1251 bytes.
function(vconfig_escaped_sources out)
  set(copies)
  foreach(source ${ARGN})
    get_filename_component(source ${source} ABSOLUTE)
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${source})
    set(copy ${CMAKE_BINARY_DIR}/escaped/${rel})
    add_custom_command(OUTPUT ${copy}
      COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/res/escape_literals.py ${source} ${copy}
      DEPENDS ${CMAKE_SOURCE_DIR}/res/escape_literals.py ${source})
    list(APPEND copies ${copy})
  endforeach()
  set(${out} ${copies} PARENT_SCOPE)
endfunction()
