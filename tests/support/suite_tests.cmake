# Lists the tests of one test program and writes one ctest entry per test
# suite ("<folder>/<Suite>"), so a program starts once per suite instead of
# once per test. A suite of many tests is split into shards of about
# TESTS_PER_ENTRY tests ("<folder>/<Suite>#<k>"), run side by side.
# Each entry runs its tests with --gtest_brief: its output is the failed
# tests, by name, with their messages.
#
# cmake -D EXE=<program> -D FOLDER=<folder> -D OUT=<file> -D TESTS_PER_ENTRY=<n>
#       -D TIMEOUT=<s> -P suite_tests.cmake
cmake_minimum_required(VERSION 3.20)

execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          "${EXE}" --gtest_list_tests
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE result TIMEOUT 120)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${EXE} --gtest_list_tests failed (${result}):\n${errors}")
endif()

string(REPLACE ";" "," listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(suites "")
set(suite "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #][^ ]*)\\.( .*)?$")
    set(suite "${CMAKE_MATCH_1}")
    list(APPEND suites "${suite}")
    set(count_${suite} 0)
  elseif(suite AND line MATCHES "^  ([^ ]+)")
    math(EXPR count_${suite} "${count_${suite}} + 1")
  endif()
endforeach()

set(text "")
foreach(suite IN LISTS suites)
  set(n ${count_${suite}})
  if(n EQUAL 0)
    continue()
  endif()
  math(EXPR shards "(${n} + ${TESTS_PER_ENTRY} - 1) / ${TESTS_PER_ENTRY}")
  set(env "QT_QPA_PLATFORM=offscreen")
  foreach(i RANGE 1 ${shards})
    set(name "${FOLDER}/${suite}")
    set(entry_env "${env}")
    if(shards GREATER 1)
      math(EXPR index "${i} - 1")
      set(name "${name}#${i}")
      string(APPEND entry_env "\\;GTEST_TOTAL_SHARDS=${shards}\\;GTEST_SHARD_INDEX=${index}")
    endif()
    string(APPEND text
      "add_test([==[${name}]==] [==[${EXE}]==] [==[--gtest_filter=${suite}.*]==] --gtest_brief=1)\n"
      "set_tests_properties([==[${name}]==] PROPERTIES ENVIRONMENT \"${entry_env}\" TIMEOUT ${TIMEOUT} LABELS [==[${FOLDER}]==])\n")
  endforeach()
endforeach()
file(WRITE "${OUT}" "${text}")
