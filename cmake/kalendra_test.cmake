# kalendra_unit_test(NAME SOURCES... LIBS libs...)
# One executable and one ctest test per suite: natively it runs directly, in
# the x64 Windows tree it runs under Wine, in the 32-bit Linux tree under
# qemu-i386, in the 32-bit Windows tree it is only built.
function(kalendra_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${KALENDRA_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  if(NOT WIN32 OR KALENDRA_RUN_WINDOWS_TESTS)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# The tree's name as the tests report it.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KALENDRA_TREE win64)
elseif(WIN32)
  set(KALENDRA_TREE win32)
elseif(KALENDRA_PORTABLE_ONLY AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(KALENDRA_TREE native32)
else()
  set(KALENDRA_TREE native)
endif()
