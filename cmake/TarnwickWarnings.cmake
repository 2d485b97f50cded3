# Our warning flags, on our own sources only. The code that moc and rcc generate is compiled in
# the same targets but is not ours to keep warning-free, so the flags go on each source file
# rather than on the targets. Warnings become errors only where asked for, with the standard
# CMAKE_COMPILE_WARNING_AS_ERROR (the CI and the "dev" preset set it); a packager's newer
# compiler with a new harmless warning still builds.
set(TARNWICK_WARNING_FLAGS -Wall -Wextra)
# GCC 12 at -O3 warns falsely of overlapping copies (-Wrestrict) where it inlines a string
# literal + std::string, a known false positive of that compiler; every other compiler keeps
# the warning.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND TARNWICK_WARNING_FLAGS -Wno-restrict)
endif()

# tarnwick_warnings_in(<directory>): the flags on every C++ source of every target defined in
# <directory> and below it, whoever added the target.
function(tarnwick_warnings_in directory)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "UTILITY")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    foreach(source IN LISTS sources)
      if(NOT source MATCHES "\\.cpp$")
        continue()
      endif()
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${directory} OUTPUT_VARIABLE path)
      cmake_path(IS_PREFIX PROJECT_BINARY_DIR ${path} generated)

      # By its full path: a relative one would be read from this file's folder.
      get_property(options SOURCE ${path} DIRECTORY ${directory} PROPERTY COMPILE_OPTIONS)
      if(NOT generated AND NOT "-Wall" IN_LIST options)  # a source may serve several targets
        set_property(SOURCE ${path} DIRECTORY ${directory} APPEND PROPERTY COMPILE_OPTIONS
                     ${TARNWICK_WARNING_FLAGS})
      endif()
    endforeach()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    tarnwick_warnings_in(${subdirectory})
  endforeach()
endfunction()
