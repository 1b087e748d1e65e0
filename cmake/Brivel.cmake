# Helpers shared by every module's CMakeLists.txt.

set(BRIVEL_JDK   /usr/lib/jvm/java-17-openjdk-amd64 CACHE PATH "JDK that compiles the Java classes")
set(BRIVEL_JVM32 /usr/lib/jvm/java-17-openjdk-i386  CACHE PATH "i386 Java runtime the linux32 tests load")
set(BRIVEL_JAVA_OUT ${CMAKE_BINARY_DIR}/java)

if(BRIVEL_WIN32)
  # Runtime linked statically: no MinGW DLL has to stand beside a deliverable.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501)
  set(BRIVEL_JNI_INCLUDES ${BRIVEL_JDK}/include ${CMAKE_SOURCE_DIR}/cmake/jni/win32)
  # Every Windows program of the tests runs through this wrapper (one Wine
  # prefix per build folder, created on first use).
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  # widl's importlib("stdole2.tlb") reads the standard OLE library from the
  # installed Wine's own files, so the build starts no Wine process.
  set(BRIVEL_WINE_TYPELIBS /usr/lib/i386-linux-gnu/wine/i386-windows CACHE PATH
      "Folder of the installed Wine that holds stdole2.tlb")
  if(NOT EXISTS ${BRIVEL_WINE_TYPELIBS}/stdole2.tlb)
    message(FATAL_ERROR "No stdole2.tlb in ${BRIVEL_WINE_TYPELIBS}: run scripts/setup (package wine32)")
  endif()
else()
  # 64-bit file offsets and inode numbers: on a 64-bit kernel, directory
  # offsets and inode numbers of common file systems do not fit 32 bits, and
  # the 32-bit calls then fail with EOVERFLOW.
  add_compile_definitions(_FILE_OFFSET_BITS=64)
  set(BRIVEL_JNI_INCLUDES ${BRIVEL_JVM32}/include ${BRIVEL_JVM32}/include/linux)
  set(BRIVEL_LIBJVM ${BRIVEL_JVM32}/lib/server/libjvm.so)
endif()

# The sanitizer build (preset linux32-asan) and the tests' settings in it.
option(BRIVEL_SANITIZE "Build linux32 with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
include(${CMAKE_CURRENT_LIST_DIR}/Sanitizers.cmake)
# Fuzz targets and the fuzz build (preset linux32-fuzz).
include(${CMAKE_CURRENT_LIST_DIR}/Fuzz.cmake)
# What tests share, and how they take it.
include(${CMAKE_CURRENT_LIST_DIR}/TestResources.cmake)

# brivel_checked_jni_tests(<tests...>)
# Tests that run the i386 Java VM, in their own process or in a java process
# they start (directly or through the code under test): the VM checks every
# JNI call made in it (-Xcheck:jni), and a test whose output holds one of the
# VM's reports of a JNI fault fails. The option reaches the VM through
# JAVA_TOOL_OPTIONS, so the options the product itself gives its VM stay as
# they are; each such VM says so on its standard error ("Picked up
# JAVA_TOOL_OPTIONS: -Xcheck:jni"). A fatal report also ends the process.
# The option goes before what the variable holds already: scripts/test puts
# -Xint there when the VM runs emulated, and that stays.
set(BRIVEL_JNI_CHECK_REPORTS
  "WARNING in native method" "FATAL ERROR in native method" "Warning: Calling other JNI functions"
  "handler modified!")
function(brivel_checked_jni_tests)
  set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT_MODIFICATION "JAVA_TOOL_OPTIONS=string_prepend:-Xcheck:jni ")
  set_property(TEST ${ARGN} APPEND PROPERTY FAIL_REGULAR_EXPRESSION ${BRIVEL_JNI_CHECK_REPORTS})
endfunction()

# brivel_add_gtest(<name> SOURCES ... [LIBS ...] [LOCKS <test resources>...] [PROPERTIES <CTest properties>]
#                  [STARTS_JAVA])
# A GoogleTest executable; every test case becomes one CTest test, run in its
# own process (so a test that hosts a Java VM gets a fresh one). The cases are
# read from the sources when the build is configured, not listed by running
# the program: the list, and so `ctest -N`, needs no 32-bit program to run.
# The program's own main (testsupport/TestMain.cpp) fails when a case's
# filter selects nothing or when it has cases this scan did not find.
# LOCKS names what the cases share with other tests (cmake/TestResources.cmake
# declares every name); the cases of a source that looks for a display take
# the display by themselves. A case that skips itself (GTEST_SKIP, as window
# tests do without a display) is reported as skipped, not as passed.
# A program that hosts the Java VM is named *_jvm_tests; one whose cases
# start java processes says STARTS_JAVA. The cases of both check JNI use
# (brivel_checked_jni_tests).
function(brivel_add_gtest name)
  cmake_parse_arguments(ARG "STARTS_JAVA" "" "SOURCES;LIBS;LOCKS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} brivel_testsupport brivel_test_main)
  set(cases)
  set(window_cases)
  foreach(source IN LISTS ARG_SOURCES)
    set(source_cases)
    gtest_add_tests(TARGET ${name} SOURCES ${source}
                    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin TEST_LIST source_cases)
    list(APPEND cases ${source_cases})
    if(source_cases)
      brivel_source_needs_display(${source} needs_display)
      if(needs_display)
        list(APPEND window_cases ${source_cases})
      endif()
    endif()
  endforeach()
  if(NOT cases)
    message(FATAL_ERROR "${name}: no TEST or TEST_F head found in its sources")
  endif()
  # Properties given by the caller first: ours are appended after them.
  if(ARG_PROPERTIES)
    list(LENGTH ARG_PROPERTIES length)
    math(EXPR last "${length} - 1")
    foreach(i RANGE 0 ${last} 2)
      list(GET ARG_PROPERTIES ${i} property)
      if(property MATCHES "^(RESOURCE_LOCK|RESOURCE_GROUPS|RUN_SERIAL)$")
        message(FATAL_ERROR "${name}: take shared resources with LOCKS (cmake/TestResources.cmake), not ${property}")
      endif()
    endforeach()
    set_tests_properties(${cases} PROPERTIES ${ARG_PROPERTIES})
  endif()
  list(LENGTH cases count)
  set_property(TEST ${cases} APPEND PROPERTY ENVIRONMENT BRIVEL_REGISTERED_CASES=${count})
  set_property(TEST ${cases} APPEND PROPERTY SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
  if(BRIVEL_LINUX32)
    # Named kernel objects of this build's tests, apart from other builds'.
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/compat-objects)
    set_property(TEST ${cases} APPEND PROPERTY ENVIRONMENT BRIVEL_COMPAT_OBJECTS=${CMAKE_BINARY_DIR}/compat-objects)
  endif()
  brivel_take_test_resources("${cases}" ${ARG_LOCKS})
  brivel_take_test_resources("${window_cases}" wizard_windows)
  # A program that hosts the Java VM is named *_jvm_tests.
  if(name MATCHES "_jvm_tests$")
    brivel_sanitizer_tests(${cases} HOSTS_VM)
  else()
    brivel_sanitizer_tests(${cases})
  endif()
  if(name MATCHES "_jvm_tests$" OR ARG_STARTS_JAVA)
    brivel_checked_jni_tests(${cases})
  endif()
endfunction()

# brivel_jni_library(<name> SOURCES ... [DEF <file>] [LIBS ...])
# A JNI library named as System.loadLibrary("<name>") finds it on each build:
# <name>.dll on win32 (exports fixed by the .def file), lib<name>.so on linux32.
function(brivel_jni_library name)
  cmake_parse_arguments(ARG "" "DEF" "SOURCES;LIBS" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${BRIVEL_JNI_INCLUDES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(BRIVEL_WIN32)
    set_target_properties(${name} PROPERTIES PREFIX "")
    if(ARG_DEF)
      target_sources(${name} PRIVATE ${ARG_DEF})
      target_compile_definitions(${name} PRIVATE BRIVEL_JNI_EXPORTS_BY_DEF)
    endif()
  endif()
endfunction()

# brivel_add_jar(<target> <jar file name> SOURCE_DIR <dir> SOURCES <relative .java> ...)
# Compiles Java sources with the JDK and packs them into ${BRIVEL_JAVA_OUT}/<jar>.
function(brivel_add_jar target jar)
  cmake_parse_arguments(ARG "" "SOURCE_DIR" "SOURCES;CLASSPATH" ${ARGN})
  set(classes ${CMAKE_CURRENT_BINARY_DIR}/${target}.classes)
  set(out ${BRIVEL_JAVA_OUT}/${jar})
  list(TRANSFORM ARG_SOURCES PREPEND ${ARG_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
  set(cp_args)
  if(ARG_CLASSPATH)
    list(JOIN ARG_CLASSPATH ":" cp)
    set(cp_args -classpath ${cp})
  endif()
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${classes}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${classes} ${BRIVEL_JAVA_OUT}
    COMMAND ${BRIVEL_JDK}/bin/javac --release 8 -nowarn -Xlint:-options -encoding ISO-8859-1 ${cp_args} -d ${classes} ${sources}
    COMMAND ${BRIVEL_JDK}/bin/jar cf ${out} -C ${classes} .
    DEPENDS ${sources} ${ARG_CLASSPATH}
    COMMENT "Building ${jar}" VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${out})
  set_target_properties(${target} PROPERTIES JAR_FILE ${out})
endfunction()

# brivel_check_exports(<target> <file of expected names>)
# win32: the DLL's export table holds exactly the listed names (C++ names
# demangled), checked with objdump; for a shipped library with a section in
# cmake/DeliverableExports.txt also the number and the names given there,
# which are written apart from the lists its .def is made from.
function(brivel_check_exports target expected)
  set(library_exports ${CMAKE_SOURCE_DIR}/cmake/DeliverableExports.txt)
  file(STRINGS ${library_exports} section REGEX "^\\[${target} [0-9]+\\]$")
  if(NOT section)
    set(library_exports)
  endif()
  add_test(NAME exports.${target}
           COMMAND ${CMAKE_SOURCE_DIR}/cmake/check-exports ${BRIVEL_OBJDUMP} $<TARGET_FILE:${target}> ${expected}
                   ${library_exports})
endfunction()

# brivel_add_benchmark(<name> COMMAND <program> [args...] DEPENDS <targets>...)
# A benchmark is a program, not a test: the build builds it (so a test run
# shows that it still builds), and scripts/bench builds the target
# `benchmarks` and runs the command written to <build>/benchmark-commands/<name>,
# which prints BENCH lines (base/benchsupport/BenchRounds.h).
function(brivel_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "COMMAND;DEPENDS" ${ARGN})
  set(line "#!/bin/sh\n# Written by the build: runs the benchmark ${name}.\nexec")
  foreach(word ${ARG_COMMAND})
    string(APPEND line " '${word}'")
  endforeach()
  string(APPEND line " \"$@\"\n")
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/benchmark-commands/${name} CONTENT "${line}"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  add_custom_target(benchmark_${name} ALL)
  add_dependencies(benchmark_${name} ${ARG_DEPENDS})
  if(NOT TARGET benchmarks)
    add_custom_target(benchmarks)
  endif()
  add_dependencies(benchmarks benchmark_${name})
endfunction()

# Warnings. Our own code builds with -Wall -Wextra on both builds, and a
# warning fails the build (-Werror): a warning is a question about the code,
# answered where it arises, so the tree stays warning-free without anyone
# reading build logs. Called after GoogleTest is added (its sources are not
# ours); every target of the directories added later inherits the flags.
# Generated bridge text compiled in tests keeps its own flags (-w).
option(BRIVEL_WARNINGS_AS_ERRORS "A compiler warning in our own code fails the build" ON)
macro(brivel_enable_warnings)
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Wall> $<$<COMPILE_LANGUAGE:C,CXX>:-Wextra>)
  if(BRIVEL_WARNINGS_AS_ERRORS)
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
  endif()
endmacro()
