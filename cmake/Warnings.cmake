# Warnings as errors for the project's own targets: call vorn_warnings(target).
function(vorn_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
    $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor -Woverloaded-virtual>)
endfunction()

# Generated glue is the generator's code, not ours: it only needs to compile.
function(vorn_relaxed_warnings target)
  target_compile_options(${target} PRIVATE -w)
endfunction()
