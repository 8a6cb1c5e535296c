# tallyon_library(NAME SOURCES... [DEPS targets...])
# One static library per source folder, with the alias tallyon::NAME and the
# folder's parent as its include root, so headers are included as "engine/X.h".
function(tallyon_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(tallyon_${name} STATIC ${ARG_SOURCES})
  add_library(tallyon::${name} ALIAS tallyon_${name})
  target_include_directories(tallyon_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(tallyon_${name} PUBLIC ${ARG_DEPS} PRIVATE tallyon_warnings)
endfunction()

# tallyon_test(NAME [QT] SOURCES... DEPS targets... [PROPERTIES name value...]
#              [LAUNCHER command...])
# One GoogleTest binary per library, registered with CTest case by case; QT
# links the one Qt test environment (tests/support), PROPERTIES go to every
# registered case, LAUNCHER runs each case (and the listing of the cases)
# through a command, such as "dbus-run-session --".
function(tallyon_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPS;PROPERTIES;LAUNCHER" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_LAUNCHER)
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${ARG_LAUNCHER}")
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main tallyon_warnings)
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE tallyon_qt_test_environment)
  endif()
  # A cross build cannot list the cases while it builds: its programs run
  # later, on the other system or under an emulator, one test each.
  if(CMAKE_CROSSCOMPILING)
    # Every Windows program carries the version resource.
    tallyon_version_record(${name})
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    if(ARG_PROPERTIES)
      set_tests_properties(${name} PROPERTIES ${ARG_PROPERTIES})
    endif()
    return()
  endif()
  include(GoogleTest)
  if(ARG_PROPERTIES)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 NO_PRETTY_VALUES
                         PROPERTIES ${ARG_PROPERTIES})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 NO_PRETTY_VALUES)
  endif()
endfunction()
