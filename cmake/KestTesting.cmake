# Test helpers shared by every test folder.
include(CTest)
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  set(KEST_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  # 64-bit programs need a 64-bit prefix and loader; the Wine scripts read this beside the prefix.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    file(WRITE ${KEST_WINEPREFIX}.arch "win64\n")
  else()
    file(WRITE ${KEST_WINEPREFIX}.arch "win32\n")
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${KEST_WINEPREFIX})
  # The shell commands tests use to run programs under the same prefix.
  set(KEST_WINE_RUN ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${KEST_WINEPREFIX})
endif()

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Every test runs inside the "env" fixture: the Wine prefix is ready and an Xvfb display is up.
function(kest_test_environment)
  if(CMAKE_CROSSCOMPILING AND NOT TEST kest_env_start)
    add_test(NAME kest_env_start COMMAND ${CMAKE_SOURCE_DIR}/cmake/test-env.sh start ${KEST_WINEPREFIX})
    add_test(NAME kest_env_stop COMMAND ${CMAKE_SOURCE_DIR}/cmake/test-env.sh stop ${KEST_WINEPREFIX})
    set_tests_properties(kest_env_start PROPERTIES FIXTURES_SETUP kest_env)
    set_tests_properties(kest_env_stop PROPERTIES FIXTURES_CLEANUP kest_env)
  endif()
endfunction()

# Tests that move the pointer or read the screen need the shared display to themselves: they run
# alone (other tests' windows would take their clicks or cover their pixels).
function(kest_display_exclusive)
  set_tests_properties(${ARGN} PROPERTIES RUN_SERIAL TRUE)
endfunction()

# kest_gtest(NAME SOURCES... [LIBS libs...] [PROPERTIES props...])
# A test program holding the lock "kest_pointer" gets the display to itself (RUN_SERIAL).
# A GoogleTest executable whose cases are discovered when CTest runs.
function(kest_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  set(props LABELS unit)
  if("kest_pointer" IN_LIST T_PROPERTIES)
    list(APPEND props RUN_SERIAL TRUE)
  endif()
  if(CMAKE_CROSSCOMPILING)
    kest_test_environment()
    list(APPEND props FIXTURES_REQUIRED kest_env)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ${props} ${T_PROPERTIES})
endfunction()

# kest_fuzz_target(NAME SOURCES files... LIBS libs... [SEEDS folder]): a libFuzzer target of the native clang
# sanitizer build, run by CTest for a few seconds from the seeds committed beside it (the folder
# seeds/NAME by default); new inputs go to the build tree, so the seeds stay as committed.
function(kest_fuzz_target name)
  if(CMAKE_CROSSCOMPILING OR NOT KEST_SANITIZE OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    return()
  endif()
  cmake_parse_arguments(F "" "SEEDS" "SOURCES;LIBS" ${ARGN})
  if(NOT F_SEEDS)
    set(F_SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/seeds/${name})
  endif()
  set(target fuzz_${name})
  add_executable(${target} ${F_SOURCES})
  target_link_libraries(${target} PRIVATE ${F_LIBS})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus_${name})
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME ${target}
    COMMAND ${target} -max_total_time=${KEST_FUZZ_SECONDS} -timeout=10 -max_len=4096 -rss_limit_mb=1024
            -malloc_limit_mb=256 -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${name}_ ${corpus} ${F_SEEDS})
  set_tests_properties(${target} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()
set(KEST_FUZZ_SECONDS 8 CACHE STRING "How long CTest runs each fuzz target, in seconds")
