# Windows test programs registered with CTest and run by the 64-bit Wine loader. Run the
# suite inside a private session: tools/wine-session.sh ctest --test-dir build/win64
include(GoogleTest)

set(VELKARO_WINE64 /usr/lib/wine/wine64 CACHE FILEPATH "Wine loader that runs the test programs")
set(VELKARO_WINE_TEST_TIMEOUT 60 CACHE STRING "Seconds one Wine test may take")

# The product the window tests start; its target is defined elsewhere, maybe not yet.
set(VELKARO_EXE_UNIX "${CMAKE_BINARY_DIR}/app/Velkaro.exe")

# Wine shows the unix file system as drive Z:.
function(velkaro_windows_path out unix_path)
  string(REPLACE "/" "\\" path "${unix_path}")
  set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()

# One CTest entry per test, named after the program (so `ctest -R <program>` picks a suite),
# listed by running the program under Wine when CTest starts, inside the same session as
# the tests. Wine tests share one display and one prefix, so they never run side by side.
function(velkaro_register_wine_gtest target)
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${VELKARO_WINE64}")
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    TEST_PREFIX "${target}."
    PROPERTIES RUN_SERIAL TRUE TIMEOUT ${VELKARO_WINE_TEST_TIMEOUT} ${ARGN})
endfunction()

# A test program that runs in one process with the code it tests.
function(velkaro_add_wine_test target)
  velkaro_register_wine_gtest(${target})
endfunction()

# A test program that drives the real product from outside, as a user would.
function(velkaro_add_ui_test target)
  velkaro_windows_path(exe "${VELKARO_EXE_UNIX}")
  velkaro_register_wine_gtest(${target} ENVIRONMENT "VELKARO_EXE=${exe}")
  target_link_libraries(${target} PRIVATE uidriver)
  if(TARGET Velkaro)
    add_dependencies(${target} Velkaro)
  endif()
endfunction()
