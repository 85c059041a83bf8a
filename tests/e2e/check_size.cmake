# Fails when the shipped program grows past LIMIT bytes.
file(SIZE ${PROGRAM} size)
message(STATUS "${PROGRAM}: ${size} bytes (limit ${LIMIT})")
if(size GREATER LIMIT)
  message(FATAL_ERROR "the program is ${size} bytes, more than ${LIMIT}")
endif()
