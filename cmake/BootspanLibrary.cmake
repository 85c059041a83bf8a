# bootspan_library(NAME DEPENDS ...)
# One static library per source folder; every .cpp of the folder belongs to it,
# so adding a file needs no edit here.
function(bootspan_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  else()
    # A folder with headers only so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

# bootspan_companion(TARGET RC_FILE FILE_NAME)
# A companion file of the Windows programs: a resource-only DLL named
# FILE_NAME holding the string table of RC_FILE. The programs map it as data,
# so it carries no code, no C runtime and no entry point (this linker has no
# --no-entry; an entry address of 0 means none).
function(bootspan_companion target rc_file file_name)
  get_filename_component(stem ${file_name} NAME_WLE)
  get_filename_component(suffix ${file_name} LAST_EXT)
  add_library(${target} MODULE ${rc_file})
  set_target_properties(${target} PROPERTIES LINKER_LANGUAGE CXX PREFIX "" OUTPUT_NAME ${stem}
                        SUFFIX ${suffix})
  target_link_options(${target} PRIVATE -nostdlib -Wl,--entry=0 -s)
endfunction()
