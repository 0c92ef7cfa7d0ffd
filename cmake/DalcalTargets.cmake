# Compiler settings shared by every target of ours (not by the libraries we use).

if(DALCAL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings on and fatal for our own code.
function(dalcal_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror)
endfunction()

# Narrow string literals of this target are stored as CP949 bytes, so a Korean
# literal written readably in the (UTF-8) source is the program's own text.
function(dalcal_cp949_literals target)
  target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP949)
endfunction()
