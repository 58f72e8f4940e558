# Project-wide warning set. Z8_WERROR (on in the test command and CI) turns
# warnings into errors.
option(Z8_WERROR "Treat warnings as errors" OFF)

function(z8_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual
                                           -Wformat=2 -Wimplicit-fallthrough -Wcast-align)
  if(Z8_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
