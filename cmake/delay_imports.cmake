# Delay-import libraries: a program linked with one loads the DLL at the first
# call into it, through LoadLibrary, so the DLL search it has restricted by
# then applies (system_dlls/). An ordinary import library makes Windows load
# the DLL before the program's first instruction, searching the program's own
# folder first.

# kalendra_delay_import(NAME DLL): an imported library target named NAME
# (winmm, opengl32, ...) whose file is a delay-import library of DLL, made
# with dlltool from the exports the toolchain's own import library lib<NAME>.a
# declares. Global, and named like the system library, so that every target
# that links NAME, freeglut's imported target among them, gets it instead of
# the toolchain's import library.
function(kalendra_delay_import name dll)
  set(dir ${CMAKE_BINARY_DIR}/delay_imports)
  set(library ${dir}/lib${name}_delay.a)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${name}.a
    OUTPUT_VARIABLE import_library OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS ${import_library})
    message(FATAL_ERROR "no import library lib${name}.a in the toolchain")
  endif()
  execute_process(COMMAND ${CMAKE_NM} ${import_library}
    OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  # "__imp_NAME" (x64) or "__imp__NAME@BYTES" (x86): the exports, as the
  # .def file names them.
  string(REGEX MATCHALL " I __imp_[^\n]+" imports "${symbols}")
  set(exports)
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "^ I __imp_" "" export "${import}")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(REGEX REPLACE "^_" "" export "${export}")
    endif()
    list(APPEND exports "${export}")
  endforeach()
  list(REMOVE_DUPLICATES exports)
  list(SORT exports)
  if(NOT exports)
    message(FATAL_ERROR "no exports found in ${import_library}")
  endif()
  list(JOIN exports "\n  " lines)
  file(MAKE_DIRECTORY ${dir})
  file(CONFIGURE OUTPUT ${dir}/${name}.def CONTENT "LIBRARY ${dll}\nEXPORTS\n  ${lines}\n")
  # x86: stdcall names carry @BYTES, which the DLL's export names lack (-k).
  set(kill_at)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(kill_at -k)
  endif()
  # Made again only when the exports change, so a new configuration relinks nothing.
  if(${dir}/${name}.def IS_NEWER_THAN ${library})
    execute_process(COMMAND ${CMAKE_DLLTOOL} ${kill_at} --input-def ${dir}/${name}.def
      --dllname ${dll} --output-delaylib ${library}
      WORKING_DIRECTORY ${dir} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${library})
endfunction()
