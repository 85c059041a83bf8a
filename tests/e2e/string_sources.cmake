# Reading the string-table sources of resources/ (strings.inc and its
# translations) in the tests' scripts.

# The ids of `file` in <prefix>_ids, and each text (its \n a line feed) in
# <prefix>_<id>.
macro(read_strings file prefix)
  file(STRINGS ${file} lines REGEX "^BOOTSPAN_STRING\\(" ENCODING UTF-8)
  set(${prefix}_ids "")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^BOOTSPAN_STRING\\(([0-9]+), [A-Za-z]+, \"(.*)\"\\)$")
      message(FATAL_ERROR "${file}: unreadable line '${line}'")
    endif()
    list(APPEND ${prefix}_ids ${CMAKE_MATCH_1})
    string(REPLACE "\\n" "\n" ${prefix}_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
  endforeach()
endmacro()
