# Runs a failure of the failure-injection program with a companion file
# beside it and checks that the box reads, to the byte, as the companion's
# strings say, in the code page of the run's locale; strings the companion
# lacks, or must not be used, read as the program's own.
#
#   cmake -DCASE=write-nil|convert|bad-format -DFORM=copy|truncated|empty|not-pe|directory
#         -DCOMPANIONS=file|file... -DSTRINGS=source.inc|none -DREFERENCE=strings.inc
#         [-DENGLISH_IDS=ids] -DCODE_PAGE=CP1252|CP932 -DWORK=folder
#         -DPROGRAM=BootspanFaults.exe -DPROBE=box_probe.exe -DEMULATOR=wine
#         -DNM=nm -DOBJDUMP=objdump -P companion_case.cmake
#
# WORK gets a copy of the program and, under the program's name with each
# companion's extension, the companion: copied, cut to half its size, empty,
# not a PE file, or a folder of that name. STRINGS is the source the box must
# follow (none: the English table of REFERENCE).
cmake_policy(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/string_sources.cmake)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(program_name ${PROGRAM} NAME)
get_filename_component(program_stem ${PROGRAM} NAME_WLE)
file(COPY_FILE ${PROGRAM} ${WORK}/${program_name})
string(REPLACE "|" ";" COMPANIONS "${COMPANIONS}")
foreach(companion IN LISTS COMPANIONS)
  get_filename_component(extension ${companion} LAST_EXT)
  set(placed ${WORK}/${program_stem}${extension})
  if(FORM STREQUAL "copy")
    file(COPY_FILE ${companion} ${placed})
  elseif(FORM STREQUAL "truncated")
    file(SIZE ${companion} size)
    math(EXPR half "${size} / 2")
    execute_process(COMMAND head -c ${half} ${companion} OUTPUT_FILE ${placed})
  elseif(FORM STREQUAL "empty")
    file(TOUCH ${placed})
  elseif(FORM STREQUAL "not-pe")
    file(WRITE ${placed} "MZ and then no program header, only this line\n")
  elseif(FORM STREQUAL "directory")
    file(MAKE_DIRECTORY ${placed})
  else()
    message(FATAL_ERROR "unknown form '${FORM}'")
  endif()
endforeach()

read_strings(${REFERENCE} english)
if(NOT STRINGS STREQUAL "none")
  read_strings(${STRINGS} shown)
endif()
# The text the box shows for string `id`.
function(shown_string id out)
  if(DEFINED shown_${id} AND NOT id IN_LIST ENGLISH_IDS)
    set(${out} "${shown_${id}}" PARENT_SCOPE)
  else()
    set(${out} "${english_${id}}" PARENT_SCOPE)
  endif()
endfunction()

# `template` with each directive replaced by the next of the arguments.
function(filled out template)
  set(text "")
  set(rest "${template}")
  foreach(argument IN LISTS ARGN)
    if(NOT rest MATCHES "^([^%]*)%[a-z](.*)$")
      message(FATAL_ERROR "'${template}' has fewer directives than arguments")
    endif()
    set(rest "${CMAKE_MATCH_2}")
    string(APPEND text "${CMAKE_MATCH_1}${argument}")
  endforeach()
  set(${out} "${text}${rest}" PARENT_SCOPE)
endfunction()

# The failure's message, its class and the place the report names.
if(CASE STREQUAL "write-nil")
  shown_string(65497 access_template)
  shown_string(65519 write)
  filled(message "${access_template}" "@VA:faultSiteWriteNil@" "@MODULE@" "${write}" "00000000")
  set(class EAccessViolation)
  set(site faultSiteWriteNil)
elseif(CASE STREQUAL "convert")
  shown_string(65520 timestamp_template)
  filled(message "${timestamp_template}" 1 -5)
  set(class EConvertError)
  set(site faultSiteConvert)
elseif(CASE STREQUAL "bad-format")
  shown_string(65513 format_template)
  filled(message "${format_template}" "%y")
  set(class EConvertError)
  set(site faultSiteConvert)
else()
  message(FATAL_ERROR "no companion case for '${CASE}'")
endif()
set(end_mark ".")
if(message MATCHES "\\.$")
  set(end_mark "")
endif()
shown_string(65511 report_template)
filled(report "${report_template}" ${class} "@MODULE@" "@RVA:${site}@" "${message}" "${end_mark}")
shown_string(65512 caption)

# `text` in CODE_PAGE, escaped as box_probe writes it (\\ and \n).
function(as_probe_writes out text)
  file(WRITE ${WORK}/utf8.txt "${text}")
  execute_process(COMMAND iconv -f UTF-8 -t ${CODE_PAGE} ${WORK}/utf8.txt
                  OUTPUT_FILE ${WORK}/converted.txt RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "iconv cannot write '${text}' in ${CODE_PAGE}")
  endif()
  file(READ ${WORK}/converted.txt converted)
  string(REPLACE "\\" "\\\\" converted "${converted}")
  string(REPLACE "\n" "\\n" converted "${converted}")
  set(${out} "${converted}" PARENT_SCOPE)
endfunction()
as_probe_writes(expected "${report}")
as_probe_writes(expected_caption "${caption}")

set(MODE box)
set(PROGRAM ${WORK}/${program_name})
set(expected_exit 1)
set(kind report)
include(${CMAKE_CURRENT_LIST_DIR}/report_check.cmake)
