cmake_minimum_required(VERSION 3.25)
# Fails when the unstripped PROGRAM holds what the two shims of the Windows
# programs keep out, naming the shim that no longer does its job:
# lean_terminate.cpp keeps the C++ library's name demangler out;
# single_thread.cpp stands for the thread library, so no thread creation and
# none of the library's own functions may be linked in.
execute_process(COMMAND ${NM} ${PROGRAM} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${PROGRAM}")
endif()

# The thread functions single_thread.cpp defines.
set(shim_functions pthread_once pthread_mutex_init pthread_mutex_destroy pthread_mutex_lock
    pthread_mutex_unlock pthread_cond_broadcast pthread_cond_wait pthread_key_create
    pthread_getspecific pthread_setspecific)

set(demangler "")
set(threads "")
set(library "")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  # "address type name"; section names (".text$...") are left aside.
  if(NOT line MATCHES "^[0-9a-fA-F]* *[A-Za-z] ([^.].*)$")
    continue()
  endif()
  set(symbol "${CMAKE_MATCH_1}")
  string(REGEX REPLACE "^_+" "" name "${symbol}")
  string(REGEX REPLACE "@[0-9]+$" "" name "${name}")
  if(name STREQUAL "cxa_demangle")
    list(APPEND demangler ${symbol})
  elseif(name MATCHES "^(pthread_create|(imp__)?_?beginthread(ex)?|imp__CreateThread)$")
    list(APPEND threads ${symbol})
  elseif(name MATCHES "^(pthread_|pth_)" AND NOT name IN_LIST shim_functions)
    list(APPEND library ${symbol})
  endif()
endforeach()

# One line a failure, with the first few symbols that show it.
set(failures "")
function(add_failure text symbols)
  list(LENGTH symbols count)
  list(SUBLIST symbols 0 4 shown)
  list(JOIN shown ", " shown)
  if(count GREATER 4)
    math(EXPR more "${count} - 4")
    string(APPEND shown " and ${more} more")
  endif()
  list(APPEND failures "${text} (${shown})")
  set(failures "${failures}" PARENT_SCOPE)
endfunction()
if(demangler)
  add_failure("lean_terminate.cpp failed: the C++ library's name demangler is linked in" "${demangler}")
endif()
if(threads)
  add_failure("single_thread.cpp failed: the program can create threads, which would share the one thread's locks and keys" "${threads}")
endif()
if(library)
  add_failure("single_thread.cpp failed: the thread library's own functions are linked in, so the shim no longer stands in for it" "${library}")
endif()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${PROGRAM}:\n${text}")
endif()
message(STATUS "${PROGRAM}: neither the demangler nor the thread library is linked in")
