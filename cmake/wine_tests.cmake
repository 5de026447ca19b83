# Tests that run Windows programs under Wine share the build's prefix (made by the fixture zv_wine_prefix),
# run one at a time, and end with status 77, reported as skipped, where the prefix's arch cannot run here.
set(ZV_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)

# zv_wine_test(<test> <seconds> [VAR=value]...): marks a test as a Wine test with CTest's time limit and
# further settings of its environment.
function(zv_wine_test test seconds)
  set(environment ZV_WINEARCH=${ZV_WINEARCH} ${ARGN})
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED zv_wine_prefix RESOURCE_LOCK zv_wine
                                          SKIP_RETURN_CODE 77 ENVIRONMENT "${environment}" TIMEOUT ${seconds})
endfunction()

# zv_add_wine_program_test(<name> <program> <seconds> [VAR=value]...): runs a test program under Wine on a
# private display.
function(zv_add_wine_program_test name program seconds)
  add_test(NAME ${name} COMMAND bash ${PROJECT_SOURCE_DIR}/tests/run_under_wine.sh ${ZV_WINE_PREFIX} ${program})
  zv_wine_test(${name} ${seconds} ${ARGN})
endfunction()
