# Compiler settings shared by every target of ours (not by the libraries we use).

if(DALCAL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(DALCAL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings on and fatal for our own code; the hardening Debian's checks ask of
# its binaries (fortified calls where optimised, read-only relocations bound at start).
function(dalcal_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror
                                           $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  target_link_options(${target} PRIVATE -Wl,-z,relro,-z,now)
endfunction()

# Narrow string literals of this target are stored as CP949 bytes, so a Korean
# literal written readably in the (UTF-8) source is the program's own text.
function(dalcal_cp949_literals target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP949)
    return()
  endif()
  # Clang only reads UTF-8 but keeps other bytes of a string literal as they
  # are: it compiles copies of the sources (and of the header that checks the
  # literals) converted to CP949 with iconv.
  set(header ${PROJECT_SOURCE_DIR}/runtime/cp949_literals.h)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/cp949/runtime)
  execute_process(COMMAND iconv -f UTF-8 -t CP949 -o ${PROJECT_BINARY_DIR}/cp949/runtime/cp949_literals.h ${header}
                  COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
  get_target_property(sources ${target} SOURCES)
  set(copies)
  foreach(source IN LISTS sources)
    get_filename_component(original ${source} ABSOLUTE)
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${original})
    set(copy ${PROJECT_BINARY_DIR}/cp949/${relative})
    get_filename_component(copyDir ${copy} DIRECTORY)
    add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${copyDir}
      COMMAND iconv -f UTF-8 -t CP949 -o ${copy} ${original}
      DEPENDS ${original} VERBATIM)
    list(APPEND copies ${copy})
  endforeach()
  set_property(TARGET ${target} PROPERTY SOURCES ${copies})
  target_include_directories(${target} BEFORE PRIVATE ${PROJECT_BINARY_DIR}/cp949/runtime)
  target_compile_options(${target} PRIVATE -Wno-invalid-source-encoding)
endfunction()
