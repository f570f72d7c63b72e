# kest_delay_import(TARGET DLL): an interface library TARGET through which a program imports the
# functions of the system library DLL (e.g. comdlg32) on their first call instead of at its start:
# a delay-import library made with dlltool from the toolchain's own import library. For libraries
# that only some features call and whose loading every start would pay for.
function(kest_delay_import target dll)
  add_library(${target} INTERFACE)
  # As i686, binutils 2.40 links the calls through such a library to address 0 (its thunks come
  # out absolute): i686 programs import the library at their start.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_libraries(${target} INTERFACE ${dll})
    return()
  endif()
  find_library(import_library NAMES lib${dll}.a NO_CACHE REQUIRED)
  set(def ${CMAKE_CURRENT_BINARY_DIR}/${dll}_delay.def)
  set(library ${CMAKE_CURRENT_BINARY_DIR}/lib${dll}_delay.a)
  target_link_libraries(${target} INTERFACE ${library})
  if(EXISTS ${library} AND NOT ${import_library} IS_NEWER_THAN ${library})
    return()  # made by an earlier configuration
  endif()
  execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${import_library} OUTPUT_VARIABLE symbols
                  COMMAND_ERROR_IS_FATAL ANY)
  # The import symbols name the functions: __imp_Name.
  string(REGEX MATCHALL "[ \t]I __imp_[^\r\n]+" imports "${symbols}")
  set(exports)
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "^[ \t]I __imp_" "" name "${import}")
    list(APPEND exports "${name}")
  endforeach()
  list(REMOVE_DUPLICATES exports)
  list(JOIN exports "\n" lines)
  file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n${lines}\n")
  execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${library} --dllname ${dll}.dll
                  COMMAND_ERROR_IS_FATAL ANY)
endfunction()
