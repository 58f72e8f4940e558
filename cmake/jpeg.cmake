# libjpeg-turbo: Debian's package natively; for the Windows builds the static
# library that scripts/build-libjpeg.sh cross-builds under build/deps.
if(TARGET Z8::jpeg)
  return()
endif()
if(CMAKE_CROSSCOMPILING)
  set(Z8_DEPS_DIR ${PROJECT_SOURCE_DIR}/build/deps/${Z8_MINGW_TRIPLE} CACHE PATH "Cross-built dependencies")
  find_library(Z8_JPEG_LIBRARY NAMES libjpeg.a PATHS ${Z8_DEPS_DIR}/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT Z8_JPEG_LIBRARY)
    message(FATAL_ERROR "libjpeg-turbo for ${Z8_MINGW_TRIPLE} is missing from ${Z8_DEPS_DIR}: run scripts/bootstrap.sh")
  endif()
  add_library(Z8::jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(Z8::jpeg PROPERTIES IMPORTED_LOCATION ${Z8_JPEG_LIBRARY}
                                            INTERFACE_INCLUDE_DIRECTORIES ${Z8_DEPS_DIR}/include)
else()
  find_package(JPEG REQUIRED)
  add_library(Z8::jpeg INTERFACE IMPORTED GLOBAL)
  target_link_libraries(Z8::jpeg INTERFACE JPEG::JPEG)
endif()
