# What tests share, in one place: every resource that two tests must not use
# at once, what it is, and how a test takes it.
#
# A test takes resources by name:
#   brivel_add_gtest(<program> ... LOCKS <resource>...)       every case of the program
#   brivel_test_locks(SUITES <regex> LOCKS <resource>...)     the cases of this folder's programs
#                                                              whose suite matches ^(<regex>)\.
#   brivel_test_locks(TESTS <test>... LOCKS <resource>...)    the named tests (add_test's)
# Each call adds to what the tests already hold (a new case of a suite named
# by SUITES takes the suite's resources), and a name not declared below is a
# configuration error. A test that opens windows needs nothing more: the
# cases of a test source that looks for a display (getenv("DISPLAY") or
# HaveDisplay(), in the source or a header of its own folder that it
# includes; every window test skips itself without one) take the display
# `wizard_windows` by themselves.
#
# How a resource is shared depends on its kind:
#   DESK     state of one Wine prefix or its display (registry keys, the
#            service manager, the DDE program-group server, folders under C:\,
#            windows and screenshots). The win32 tests run on desks: a desk is
#            a Wine prefix of its own, copied from the build folder's, with a
#            display and a Wine server of its own (build/win32/desks/<n>/). A
#            win32 test holding any DESK resource gets a desk to itself for
#            its run (CTest resource group "desk:1", the desks listed in
#            build/win32/desks.json), so tests that change the same prefix
#            state run side by side on different desks. Other win32 tests run
#            in the build folder's own prefix, as many at once as CTest starts.
#   BUILD    a file of the build folder that every desk sees: a CTest lock.
#   MACHINE  something of the whole machine (a fixed port): a CTest lock, and
#            under Wine also a lock file in /tmp that the test runs of other
#            build folders respect (build/win32/wine-run takes it).
# On linux32 every resource is a CTest lock of that name (that build's
# registry and named objects are files of the build folder).

# brivel_test_resource(<name> DESK|BUILD|MACHINE <what it is>)
function(brivel_test_resource name kind what)
  if(NOT kind MATCHES "^(DESK|BUILD|MACHINE)$")
    message(FATAL_ERROR "test resource ${name}: kind is DESK, BUILD or MACHINE, not ${kind}")
  endif()
  set_property(GLOBAL PROPERTY BRIVEL_TEST_RESOURCE_${name} ${kind})
  set_property(GLOBAL APPEND PROPERTY BRIVEL_TEST_RESOURCES ${name})
endfunction()

brivel_test_resource(wizard_windows DESK
  "the display: windows that must not be covered, the foreground and focus, screenshots of the whole screen")
brivel_test_resource(wizard_profile DESK "the wizard's profile key in the registry")
brivel_test_resource(winui_profile DESK "the window layer's profile key in the registry")
brivel_test_resource(C2jConsole DESK "the Java output console's named mutex and registry key")
brivel_test_resource(internet_settings DESK "the Internet settings (the system proxy) in the registry")
brivel_test_resource(build_service_host_setting DESK "the user's setting of the build service's host")
brivel_test_resource(html_association DESK "the HTML file types' open command in the registry")
brivel_test_resource(text_association DESK "the .txt file type in the registry")
brivel_test_resource(machine_classpath DESK "the machine CLASSPATH value")
brivel_test_resource(uploadctl_registration DESK "the upload control's COM registration")
brivel_test_resource(progman_server DESK "the program-group DDE server \"PROGMAN\"")
brivel_test_resource(brivel_installation DESK "the kit's uninstall entry and its files in the system folder")
brivel_test_resource(BrivelWindowsServer DESK "the service BrivelWindowsServer in the service manager")
brivel_test_resource(BrivelKitFolder DESK "C:\\brvkit and the bridges regenerated into folders under C:\\")
brivel_test_resource(BrivelServer.config BUILD "the configuration file beside BrvServerLib in the build's bin folder")
brivel_test_resource(c2j_hosting_display BUILD "the linux32 test display, whose pixels the hosting tests read back")
brivel_test_resource(brivel_http_port MACHINE "port 80 of the loopback address")

# Gives the tests the resources (appending to what they hold).
function(brivel_take_test_resources tests)
  set(resources ${ARGN})
  if(NOT tests OR NOT resources)
    return()
  endif()
  list(REMOVE_DUPLICATES resources)
  foreach(resource IN LISTS resources)
    get_property(kind GLOBAL PROPERTY BRIVEL_TEST_RESOURCE_${resource})
    if(NOT kind)
      get_property(known GLOBAL PROPERTY BRIVEL_TEST_RESOURCES)
      list(JOIN known ", " known)
      message(FATAL_ERROR "Test resource \"${resource}\" is not declared in cmake/TestResources.cmake "
                          "(declared: ${known})")
    endif()
    if(BRIVEL_WIN32 AND kind STREQUAL "DESK")
      set_property(TEST ${tests} PROPERTY RESOURCE_GROUPS desk:1)
      set_property(TEST ${tests} APPEND PROPERTY LABELS desk)
      # Without a desk from CTest (a run without the resource file), the
      # runner makes such tests wait for one another instead.
      set_property(TEST ${tests} APPEND PROPERTY ENVIRONMENT BRIVEL_NEEDS_DESK=1)
    else()
      set_property(TEST ${tests} APPEND PROPERTY RESOURCE_LOCK ${resource})
      if(BRIVEL_WIN32 AND kind STREQUAL "MACHINE")
        set_property(TEST ${tests} APPEND PROPERTY ENVIRONMENT BRIVEL_MACHINE_LOCK=${resource})
      endif()
    endif()
  endforeach()
endfunction()

# brivel_test_locks(SUITES <regex> | TESTS <test>... LOCKS <resource>...)
function(brivel_test_locks)
  cmake_parse_arguments(ARG "" "SUITES" "TESTS;LOCKS" ${ARGN})
  if(NOT ARG_LOCKS OR (NOT ARG_SUITES AND NOT ARG_TESTS) OR ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "brivel_test_locks(SUITES <regex> | TESTS <test>... LOCKS <resource>...)")
  endif()
  set(tests ${ARG_TESTS})
  if(ARG_SUITES)
    get_property(all DIRECTORY PROPERTY TESTS)
    set(matched ${all})
    list(FILTER matched INCLUDE REGEX "^(${ARG_SUITES})\\.")
    if(NOT matched)
      message(FATAL_ERROR "brivel_test_locks: no test of ${CMAKE_CURRENT_SOURCE_DIR} has a suite matching ${ARG_SUITES}")
    endif()
    list(APPEND tests ${matched})
  endif()
  brivel_take_test_resources("${tests}" ${ARG_LOCKS})
endfunction()

# Whether a test source opens windows: it, or a header of its own folder that
# it includes, looks for a display.
function(brivel_source_needs_display source result)
  get_filename_component(path ${source} ABSOLUTE)
  set(${result} FALSE PARENT_SCOPE)
  if(NOT EXISTS ${path} OR NOT path MATCHES "\\.(cpp|cc|h)$")
    return()
  endif()
  file(READ ${path} text)
  set(display_check "getenv\\(\"DISPLAY\"\\)|HaveDisplay\\(\\)")
  if(text MATCHES "${display_check}")
    set(${result} TRUE PARENT_SCOPE)
    return()
  endif()
  get_filename_component(folder ${path} DIRECTORY)
  string(REGEX MATCHALL "#include \"[^\"]+\"" includes "${text}")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "#include \"([^\"]+)\"" "\\1" header "${include}")
    if(EXISTS ${folder}/${header})
      file(READ ${folder}/${header} header_text)
      if(header_text MATCHES "${display_check}")
        set(${result} TRUE PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
endfunction()

# The win32 runner's list of desks, which the test presets give CTest
# (execution.resourceSpecFile) and scripts/test starts.
# One desk per processor: a desk's tests mostly wait for windows and other
# processes, so as many run at once as there are processors.
cmake_host_system_information(RESULT processors QUERY NUMBER_OF_LOGICAL_CORES)
set(BRIVEL_TEST_DESKS ${processors} CACHE STRING "How many desks (Wine prefix, display, Wine server) the win32 tests run on")
if(BRIVEL_WIN32)
  set(desks)
  foreach(desk RANGE 1 ${BRIVEL_TEST_DESKS})
    list(APPEND desks "{ \"id\": \"${desk}\", \"slots\": 1 }")
  endforeach()
  list(JOIN desks ",\n      " desks)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/desks.json CONTENT [=[{
  "version": { "major": 1, "minor": 0 },
  "local": [
    { "desk": [
      @desks@
    ] }
  ]
}
]=] @ONLY)
endif()
