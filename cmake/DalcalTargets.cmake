# Compiler settings shared by every target of ours (not by the libraries we use).
#
# Warnings are errors only where the build asks for it: our test command
# configures with -DCMAKE_COMPILE_WARNING_AS_ERROR=ON, so that a packager's
# compiler or flags never fail a build over a warning.

# With the sanitizers, libstdc++'s own checks too: an index past a vector's
# end within its capacity is memory AddressSanitizer sees as valid.
if(DALCAL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=address,undefined)
endif()

if(DALCAL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=address,undefined)
endif()

# Fortified libc calls, as Debian's checks ask of its binaries, in optimised
# builds: only where neither the flags (dpkg-buildflags, -Wp,-D_FORTIFY_SOURCE=3)
# nor the compiler choose a level already, as a second definition is a warning;
# never with the sanitizers, whose checks the fortified calls would bypass.
include(CheckCXXSourceCompiles)
set(dalcal_fortify OFF)
string(TOUPPER "${CMAKE_BUILD_TYPE}" dalcal_build_type)
if(NOT DALCAL_SANITIZE AND NOT DALCAL_FUZZ
   AND NOT "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${dalcal_build_type}}" MATCHES "_FORTIFY_SOURCE")
  set(CMAKE_REQUIRED_FLAGS -O2)
  check_cxx_source_compiles("
    #ifdef _FORTIFY_SOURCE
    #error the compiler defines _FORTIFY_SOURCE itself
    #endif
    int main() { return 0; }" DALCAL_FORTIFY_NOT_PREDEFINED)
  unset(CMAKE_REQUIRED_FLAGS)
  set(dalcal_fortify ${DALCAL_FORTIFY_NOT_PREDEFINED})
endif()

function(dalcal_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
  if(dalcal_fortify)
    target_compile_definitions(${target} PRIVATE $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  endif()
  # Read-only relocations bound at start.
  target_link_options(${target} PRIVATE -Wl,-z,relro,-z,now)
endfunction()

# An optional part of the build (benchmarks, checks), as DALCAL_<NAME>: ON
# builds it and fails the configure if what it needs is missing; OFF leaves it
# out; AUTO (the default) builds it when found, else says so in one line.
# Sets <var> in the caller to whether it is built.
function(dalcal_optional var name found needs)
  string(TOUPPER "${${name}}" wanted)
  if(NOT wanted STREQUAL "AUTO" AND NOT wanted)
    set(${var} OFF PARENT_SCOPE)
  elseif(found)
    set(${var} ON PARENT_SCOPE)
  elseif(wanted STREQUAL "AUTO")
    message(STATUS "${name}: not built, as ${needs} is missing")
    set(${var} OFF PARENT_SCOPE)
  else()
    message(FATAL_ERROR "${name}=${${name}}, but ${needs} is missing")
  endif()
endfunction()

# Narrow string literals of this target are stored as CP949 bytes, so a Korean
# literal written readably in the (UTF-8) source is the program's own text.
# Every compiler gets the same bytes from glibc's iconv: GCC converts as it
# compiles; clang, which reads UTF-8 only but keeps other bytes of a literal as
# they are, compiles copies of the sources (and of the header that checks the
# literals) converted with iconv. Korean literals live only in targets that
# call this.
function(dalcal_cp949_literals target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP949)
    return()
  endif()
  set(header ${PROJECT_SOURCE_DIR}/runtime/cp949_literals.h)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/cp949/runtime)
  execute_process(COMMAND iconv -f UTF-8 -t CP949 -o ${PROJECT_BINARY_DIR}/cp949/runtime/cp949_literals.h ${header}
                  COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
  get_target_property(sources ${target} SOURCES)
  get_target_property(sourceDir ${target} SOURCE_DIR)
  set(copies)
  foreach(source IN LISTS sources)
    get_filename_component(original ${source} ABSOLUTE BASE_DIR ${sourceDir})
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
  # The copies include the converted literals header first, then the tree's own headers.
  target_include_directories(${target} BEFORE PRIVATE ${PROJECT_BINARY_DIR}/cp949 ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE -Wno-invalid-source-encoding)
endfunction()
