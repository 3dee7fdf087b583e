# cmake -DPROGRAM=<exe> -DREPORT=<xml> -DRUNNER=<wine-run.sh> -DRUNNER_ARCH=32 -P RunCombinedTests.cmake
cmake_minimum_required(VERSION 3.20)
# Runs the combined test program once and leaves its report for CheckTestReport.cmake.
# The old report goes first, so a program that dies before writing one is not mistaken
# for the last run that passed.
file(REMOVE "${REPORT}")
# Wine maps the Unix root to drive Z:.
execute_process(
  COMMAND "${RUNNER}" ${RUNNER_ARCH} "${PROGRAM}" --gtest_color=no "--gtest_output=xml:Z:${REPORT}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the combined test program ended with '${result}'")
endif()
