# Fuzz targets: every reader of bytes from outside has an entry
# (LLVMFuzzerTestOneInput, one small file) in <module>/fuzz/, and its
# checked-in corpus in <module>/fuzz/corpus/<name>/: seeds, and every finding
# scripts/fuzz saved there.
#
# brivel_fuzz_target(<module> <name> SOURCES <entry.cpp> [...] [LIBS ...] [FUZZER_OPTIONS ...])
#   every build: <name>_replay runs each corpus file through the entry once,
#     as the CTest test <module>.<name>_corpus (a regression run of seconds);
#   the fuzz build (preset linux32-fuzz, made by scripts/fuzz): <name>_fuzzer,
#     the libFuzzer program (clang, i386, with AddressSanitizer and
#     UndefinedBehaviorSanitizer), listed with its corpus and its libFuzzer
#     options in fuzz-targets.txt for scripts/fuzz.

option(BRIVEL_FUZZ "Build the libFuzzer programs (preset linux32-fuzz)" OFF)
if(BRIVEL_FUZZ)
  if(NOT BRIVEL_LINUX32 OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "BRIVEL_FUZZ is for the linux32 build with clang (preset linux32-fuzz)")
  endif()
  # Coverage for the fuzzer in every library a target links; the same
  # checks as the sanitizer build (cmake/Sanitizers.cmake says why vptr is
  # left out).
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize=vptr -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize=vptr)
  set(BRIVEL_FUZZ_TARGETS_FILE ${CMAKE_BINARY_DIR}/fuzz-targets.txt)
  file(WRITE ${BRIVEL_FUZZ_TARGETS_FILE} "")
endif()

function(brivel_fuzz_target module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;FUZZER_OPTIONS" ${ARGN})
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
  if(NOT IS_DIRECTORY ${corpus})
    message(FATAL_ERROR "The fuzz target ${name} has no corpus folder ${corpus}")
  endif()
  add_executable(${name}_replay ${ARG_SOURCES})
  target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS} brivel_testsupport brivel_fuzz_replay_main)
  add_test(NAME ${module}.${name}_corpus COMMAND ${name}_replay ${corpus})
  brivel_sanitizer_tests(${module}.${name}_corpus)
  if(BRIVEL_FUZZ)
    add_executable(${name}_fuzzer EXCLUDE_FROM_ALL ${ARG_SOURCES})
    target_link_libraries(${name}_fuzzer PRIVATE ${ARG_LIBS} brivel_testsupport)
    target_link_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer)
    string(JOIN " " options ${ARG_FUZZER_OPTIONS})
    file(APPEND ${BRIVEL_FUZZ_TARGETS_FILE} "${name} ${corpus} ${options}\n")
  endif()
endfunction()
