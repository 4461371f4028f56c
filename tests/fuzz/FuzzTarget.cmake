# project_add_fuzz_target(name SOURCE file LIBS ... SEEDS dir)
# With clang: a libFuzzer program, and a test that replays the seeds through it.
# Otherwise: the same entry point linked with a small driver that replays the seeds and every
# prefix of each, as a test, so the target is exercised by the test command either way.
function(project_add_fuzz_target name)
  cmake_parse_arguments(F "" "SOURCE;SEEDS" "LIBS" ${ARGN})
  file(GLOB seeds ${F_SEEDS}/*)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_executable(${name} ${F_SOURCE})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${F_SOURCE} ${CMAKE_SOURCE_DIR}/tests/fuzz/FuzzDriver.cpp)
  endif()
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  add_test(NAME ${name} COMMAND ${name} ${seeds})
endfunction()
