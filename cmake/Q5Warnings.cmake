# Warnings are errors in every build. The set follows the strict
# settings of well-kept small C++ libraries.
function(q5_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wcast-qual -Wundef -Wformat=2 -Wimplicit-fallthrough
        -Wnon-virtual-dtor -Woverloaded-virtual -Wmissing-declarations)
endfunction()
