# The shipped bridges and test fixtures under bridges/: each is a generated
# JNI bridge (checked in under generated/), a COM server of our own that it
# calls, and tests on both builds. These functions hold what they share.

# brivel_bridge_library(<name> SOURCE <generated .cpp> [EXPORTS <file>] [OPTIONS <compile options>...]
#                       [JAR <target> <jar file name> PACKAGE <folder of its .java below the source's folder>])
# The generated C++ as it is (its warnings are the generator's business),
# against the runtime and the platform layer.
#   win32: <name>.dll; with EXPORTS it exports exactly the decorated names
#     listed there (the .def is made from the list) and a test checks them.
#   linux32: lib<name>.so, whose load hook runs when it is loaded, as the
#     platform's loader would run its DllMain. The VM looks a native up by
#     its short name first; on win32 the short name carries the overload's
#     argument bytes (Refresh2@8 is not Refresh2@12), here it does not, and
#     the no-argument overload would also be bound to its overload with
#     arguments. So where EXPORTS lists such overloads, the short-named one
#     is exported under its long name only (Refresh2__, as JNI names an
#     overloaded native without arguments), through a version script.
#     JAR packs the generated Java classes (linux32 only: the VM runs there).
function(brivel_bridge_library name)
  cmake_parse_arguments(ARG "" "SOURCE;EXPORTS;PACKAGE" "OPTIONS;JAR" ${ARGN})
  if(ARG_EXPORTS)
    file(STRINGS ${ARG_EXPORTS} exports REGEX "^_Java_")
  endif()

  if(BRIVEL_WIN32)
    set(def_args)
    if(ARG_EXPORTS)
      set(def "LIBRARY ${name}\nEXPORTS\n")
      foreach(export ${exports})
        string(SUBSTRING ${export} 1 -1 internal)
        string(APPEND def "    ${export} = ${internal}\n")
      endforeach()
      file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.def ${def})
      set(def_args DEF ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
    endif()
    brivel_jni_library(${name} SOURCES ${ARG_SOURCE} ${def_args} LIBS brivellib18 brivel_platform)
    target_compile_options(${name} PRIVATE -w ${ARG_OPTIONS})
    if(ARG_EXPORTS)
      brivel_check_exports(${name} ${ARG_EXPORTS})
    endif()
    return()
  endif()

  brivel_jni_library(${name} SOURCES ${ARG_SOURCE} ${CMAKE_SOURCE_DIR}/bridges/e2e/LoadHook.cpp
    LIBS brivellib18 brivel_platform)
  target_compile_options(${name} PRIVATE -w ${ARG_OPTIONS})
  list(TRANSFORM exports REPLACE "^_(.*)@[0-9]+$" "\\1")
  set(overloaded)
  foreach(export ${exports})
    if(export MATCHES "^(.*[^_])__([LIZJSBCDF]|_3)")
      list(APPEND overloaded ${CMAKE_MATCH_1})
    endif()
  endforeach()
  set(version "{\n  global: Java_*;\n  local:\n")
  set(any_overloaded FALSE)
  foreach(export ${exports})
    if(export IN_LIST overloaded)
      target_link_options(${name} PRIVATE "LINKER:--defsym=${export}__=${export}")
      string(APPEND version "    ${export};\n")
      set(any_overloaded TRUE)
    endif()
  endforeach()
  if(any_overloaded)
    string(APPEND version "    *;\n};\n")
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.version "${version}")
    target_link_options(${name} PRIVATE "LINKER:--version-script=${CMAKE_CURRENT_BINARY_DIR}/${name}.version")
    set_target_properties(${name} PROPERTIES LINK_DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${name}.version)
  endif()

  if(ARG_JAR)
    list(GET ARG_JAR 0 jar_target)
    list(GET ARG_JAR 1 jar_file)
    get_filename_component(generated ${ARG_SOURCE} DIRECTORY)
    get_target_property(brivel18_jar brivel18_jar JAR_FILE)
    file(GLOB java RELATIVE ${generated} ${generated}/${ARG_PACKAGE}/*.java)
    brivel_add_jar(${jar_target} ${jar_file} SOURCE_DIR ${generated} SOURCES ${java} CLASSPATH ${brivel18_jar})
    add_dependencies(${jar_target} brivel18_jar)
  endif()
endfunction()

# brivel_bridge_server(<name> SOURCES ... [KILL_AT])
# A COM server of the tests' own, on both builds, that a bridge calls. Only
# what it marks for export is seen. KILL_AT: win32 exports its __stdcall
# functions by their plain names, as COM finds DllGetClassObject.
function(brivel_bridge_server name)
  cmake_parse_arguments(ARG "KILL_AT" "" "SOURCES" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE brivel_platform brivel_testsupport)
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden)
  if(BRIVEL_WIN32)
    set_target_properties(${name} PROPERTIES PREFIX "")
    if(ARG_KILL_AT)
      target_link_options(${name} PRIVATE -Wl,--kill-at)
    endif()
  endif()
endfunction()

# brivel_bridge_jvm_tests(<name> BRIDGE <library> SERVER <server target> JAR <bridge jar target>
#                         TEST_JAR <target> <jar file name> JAVA <.java below tests/java>...
#                         SOURCES <test sources>... DEFINITIONS <macro>=<jar target>...)
# linux32: the bridge's Java test programs (tests/java) and the gtest that
# runs them on the real i386 VM through the shared host (bridges/testsupport),
# each jar's path given to the tests as a macro. The programs share the
# checks of bridges/testsupport/java, which the host puts on the VM's path.
function(brivel_bridge_jvm_tests name)
  cmake_parse_arguments(ARG "" "BRIDGE;SERVER;JAR" "TEST_JAR;JAVA;SOURCES;DEFINITIONS" ${ARGN})
  list(GET ARG_TEST_JAR 0 test_jar_target)
  list(GET ARG_TEST_JAR 1 test_jar_file)
  get_target_property(brivel18_jar brivel18_jar JAR_FILE)
  get_target_property(server_jar brivel_server_jar JAR_FILE)
  get_target_property(bridge_jar ${ARG_JAR} JAR_FILE)
  # The checks every bridge's Java test programs share, and a remote client's
  # event registration (bridges/testsupport/java).
  if(NOT TARGET bridge_test_checks_jar)
    brivel_add_jar(bridge_test_checks_jar bridge-test-checks.jar SOURCE_DIR ${CMAKE_SOURCE_DIR}/bridges/testsupport/java
      SOURCES bridges/test/Checks.java bridges/test/RemoteEvents.java CLASSPATH ${brivel18_jar} ${server_jar})
    add_dependencies(bridge_test_checks_jar brivel18_jar brivel_server_jar)
  endif()
  get_target_property(checks_jar bridge_test_checks_jar JAR_FILE)
  brivel_add_jar(${test_jar_target} ${test_jar_file} SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/tests/java
    SOURCES ${ARG_JAVA} CLASSPATH ${brivel18_jar} ${server_jar} ${bridge_jar} ${checks_jar})
  add_dependencies(${test_jar_target} ${ARG_JAR} brivel_server_jar bridge_test_checks_jar)
  get_target_property(test_jar ${test_jar_target} JAR_FILE)

  brivel_add_gtest(${name} SOURCES ${CMAKE_SOURCE_DIR}/bridges/testsupport/BridgeJvmHost.cpp ${ARG_SOURCES}
    LIBS brivel_testjvm brivel_testsupport ${CMAKE_DL_LIBS})
  add_dependencies(${name} ${ARG_BRIDGE} ${ARG_SERVER} ${test_jar_target} brivellib18 BrvServerLib)
  set(definitions BRIVEL18_JAR="${brivel18_jar}" BRIVEL_SERVER_JAR="${server_jar}"
      BRIDGE_TEST_CHECKS_JAR="${checks_jar}")
  foreach(definition ${ARG_DEFINITIONS})
    string(REPLACE "=" ";" parts ${definition})
    list(GET parts 0 macro)
    list(GET parts 1 target)
    get_target_property(path ${target} JAR_FILE)
    list(APPEND definitions ${macro}="${path}")
  endforeach()
  target_compile_definitions(${name} PRIVATE ${definitions})
  target_include_directories(${name} PRIVATE server ${CMAKE_SOURCE_DIR}/bridges/testsupport)
endfunction()

# brivel_bridge_wine_tests(<name> SOURCES ... DEPENDS ...)
# win32: the bridge's DLL loaded by Wine's loader, its natives called through
# the shape matrix's JNI environment (bridges/testsupport/BridgeUnderWine.h).
function(brivel_bridge_wine_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  brivel_add_gtest(${name} SOURCES ${ARG_SOURCES} LIBS brivel_platform brivel_testsupport)
  target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/bridges/matrix/wine/FakeJava.cpp)
  target_include_directories(${name} PRIVATE server ${CMAKE_SOURCE_DIR}/bridges/matrix/wine
    ${CMAKE_SOURCE_DIR}/bridges/testsupport ${BRIVEL_JNI_INCLUDES})
  add_dependencies(${name} ${ARG_DEPENDS} brivellib18)
endfunction()

# brivel_bridge_regenerated_test(<test prefix> IDL <.idl> TLB <.tlb name> GENERATED <folder>
#                                ARGS <brivel-generate's kit name, package, DLL path and options>...)
# win32: the type library compiled from the IDL, and a test that the
# checked-in bridge in GENERATED is what the generator writes for it today.
# Sets <test prefix>_tlb in the caller's scope to the type library's path.
function(brivel_bridge_regenerated_test prefix)
  cmake_parse_arguments(ARG "" "IDL;TLB;GENERATED" "ARGS" ${ARGN})
  set(tlb ${CMAKE_CURRENT_BINARY_DIR}/${ARG_TLB})
  get_filename_component(idl_name ${ARG_IDL} NAME_WE)
  add_custom_command(OUTPUT ${tlb}
    COMMAND i686-w64-mingw32-widl -t -I /usr/include/wine/wine/windows -L ${BRIVEL_WINE_TYPELIBS} -o ${tlb} ${ARG_IDL}
    DEPENDS ${ARG_IDL}
    COMMENT "Compiling type library ${idl_name}" VERBATIM)
  add_custom_target(${prefix}_type_library ALL DEPENDS ${tlb})
  add_test(NAME ${prefix}.regenerated_bridge_matches
    COMMAND ${CMAKE_SOURCE_DIR}/cmake/regenerate-bridge ${CMAKE_BINARY_DIR}/wine-run
            $<TARGET_FILE:brivel-generate> ${tlb} ${ARG_GENERATED} ${ARG_ARGS})
  set_tests_properties(${prefix}.regenerated_bridge_matches PROPERTIES SKIP_RETURN_CODE 77)
  brivel_test_locks(TESTS ${prefix}.regenerated_bridge_matches LOCKS BrivelKitFolder)
  set(${prefix}_tlb ${tlb} PARENT_SCOPE)
endfunction()
