# codelume_add_test(NAME SOURCES... LIBS lib...)
# One GoogleTest executable; its cases are registered with CTest one by one.
# Tests run on Qt's offscreen platform so they need no display.
function(codelume_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    CODELUME_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# codelume_add_fuzzer(NAME SOURCES... LIBS lib...)
# A libFuzzer target, built only in the fuzz configuration (make fuzz).
function(codelume_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(codelume_fuzzers ${name})
endfunction()
