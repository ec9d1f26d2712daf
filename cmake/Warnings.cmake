# Project code builds with every common warning, and every warning is an error.
function(velkaro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wsign-conversion -Wold-style-cast -Werror)
endfunction()

option(VELKARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VELKARO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
