# Project-wide warning set. Z8_WERROR (on in the test command and CI) turns
# warnings into errors.
option(Z8_WERROR "Treat warnings as errors" OFF)

function(z8_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual
                                           -Wformat=2 -Wimplicit-fallthrough -Wcast-align)
  # GCC 12 reports false -Wrestrict overlaps inside std::string at -O3 (GCC bug 105329).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(Z8_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
