# Helpers that keep the per-folder CMake files short: a folder's sources are all its .cpp files.

# orb_library(NAME DIR [DEPS ...]): a static library of DIR/*.cpp (not recursive), or an interface
# library while the folder has no sources yet.
function(orb_library name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/WinMain\\.cpp$")
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# Release shape of a shipped Windows program: stripped, unused sections dropped. The link map beside it
# (scripts/size-report.sh reads it) is a side output: the program's bytes are the same with or without it.
function(orb_small_program target)
  target_link_options(${target} PRIVATE -s -Wl,--gc-sections
                      -Wl,-Map=$<TARGET_FILE_DIR:${target}>/${target}.map)
endfunction()
