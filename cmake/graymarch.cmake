# Helpers shared by every folder's CMakeLists.

# Warnings stop the test and sanitizer builds; the player's build only shows
# them, so a newer compiler's new warning cannot keep the game from building.
function(graymarch_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(GRAYMARCH_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# graymarch_test_program(NAME FOLDERS dir... [LIBRARIES lib...] [NEEDS target...]
#                        [DEFINITIONS NAME="value"...] [OPENS_DIALOGS | CHECKS_DIALOGS]
#                        [LABELS label...] [ENVIRONMENT NAME=value...])
# Builds one GoogleTest program from the .cpp files in the given folders of tests/.
# Each folder counts alone, not its subfolders, so a library's tests below another
# library's folder (tests/ui/battles) never join that library's program.
# NEEDS names the targets that produce files the tests read.
# OPENS_DIALOGS: the tests log each dialog they open and close, and run after
# the log is emptied and before the tests marked CHECKS_DIALOGS, which read it.
# LABELS label the tests for ctest -L and -LE; ENVIRONMENT adds to what they run with.
function(graymarch_test_program name)
  if(NOT GRAYMARCH_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "OPENS_DIALOGS;CHECKS_DIALOGS" ""
    "FOLDERS;LIBRARIES;NEEDS;DEFINITIONS;LABELS;ENVIRONMENT" ${ARGN})
  set(globs)
  foreach(folder ${ARG_FOLDERS})
    list(APPEND globs ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${globs})
  if(NOT sources)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY GRAYMARCH_TEST_SOURCES ${sources})
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE test_support ${ARG_LIBRARIES} GTest::gtest_main)
  graymarch_warnings(${name})
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  if(ARG_NEEDS)
    add_dependencies(${name} ${ARG_NEEDS})
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_LIST ${name}_TESTS)
  # The shuffled run (scripts/shuffled-tests) plays each program's tests in one
  # process; the dialog check reads what the other programs logged, and the
  # soak campaigns are the sanitizer build's, so those stay out.
  if(NOT ARG_CHECKS_DIALOGS AND NOT "soak" IN_LIST ARG_LABELS)
    set_property(GLOBAL APPEND PROPERTY GRAYMARCH_SHUFFLED_PROGRAMS
      "$<TARGET_FILE:${name}> ${ARG_ENVIRONMENT}")
  endif()
  # The discovery would pass on only the first entry of a list-valued property,
  # so the discovered tests get theirs from a file ctest reads after it.
  set(environment "SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy" ${ARG_ENVIRONMENT})
  set(fixtures)
  if(ARG_OPENS_DIALOGS)
    list(APPEND environment "GRAYMARCH_DIALOG_LOG=${GRAYMARCH_DIALOG_LOG}")
    set(fixtures "FIXTURES_REQUIRED dialog_log FIXTURES_SETUP dialog_runs")
  elseif(ARG_CHECKS_DIALOGS)
    set(fixtures "FIXTURES_REQUIRED \"dialog_log;dialog_runs\"")
  endif()
  set(labels)
  if(ARG_LABELS)
    set(labels "LABELS \"${ARG_LABELS}\"")
  endif()
  set(properties ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
  file(WRITE ${properties} "foreach(test IN LISTS ${name}_TESTS)
  set_tests_properties(\"\${test}\" PROPERTIES ENVIRONMENT \"${environment}\" ${fixtures} ${labels})
endforeach()
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${properties})
endfunction()

# Where the tests that open dialogs log them.
set(GRAYMARCH_DIALOG_LOG ${CMAKE_BINARY_DIR}/dialogs_opened.log)

# Since a test program takes only the folders it names, a new test folder that no
# program names would be silently left out: the configuration stops instead.
# It also writes the list of programs the shuffled run plays, one a line: the
# program, then what its tests add to their environment.
function(graymarch_check_test_folders)
  if(NOT GRAYMARCH_TESTS)
    return()
  endif()
  get_property(shuffled GLOBAL PROPERTY GRAYMARCH_SHUFFLED_PROGRAMS)
  list(JOIN shuffled "\n" shuffled_lines)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/shuffled_test_programs.txt CONTENT "${shuffled_lines}\n")
  file(GLOB_RECURSE all_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/*.cpp)
  list(FILTER all_tests EXCLUDE REGEX "/tests/support/")
  get_property(built GLOBAL PROPERTY GRAYMARCH_TEST_SOURCES)
  list(REMOVE_ITEM all_tests ${built})
  if(all_tests)
    list(JOIN all_tests "\n  " orphans)
    message(FATAL_ERROR "No test program builds these; name their folder in one:\n  ${orphans}")
  endif()
endfunction()

# Files the game reads from beside its executable are produced into GRAYMARCH_GAME_DIR
# by custom commands; graymarch_game_files(target) makes the game depend on them.
set(GRAYMARCH_GAME_DIR ${CMAKE_BINARY_DIR})
function(graymarch_game_files target)
  set_property(GLOBAL APPEND PROPERTY GRAYMARCH_GAME_FILE_TARGETS ${target})
endfunction()

# graymarch_generate(TARGET FILES name... COMMAND cmd... [DEPENDS file...] COMMENT text)
# Runs a generator at build time to write the named files beside the game. The
# generator writes into a folder of its own, GRAYMARCH_GENERATED_DIR/TARGET,
# which COMMAND names as @OUTPUT_DIR@; every build then copies each file beside
# the game whose contents differ from that folder's. A file beside the game
# that was changed since (a save written over a start map, a file damaged on
# disk) is so replaced by the next build, whatever its time stamp.
set(GRAYMARCH_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
function(graymarch_generate target)
  cmake_parse_arguments(ARG "" "COMMENT" "FILES;COMMAND;DEPENDS" ${ARGN})
  set(folder ${GRAYMARCH_GENERATED_DIR}/${target})
  list(TRANSFORM ARG_COMMAND REPLACE "@OUTPUT_DIR@" ${folder})
  list(TRANSFORM ARG_FILES PREPEND ${folder}/ OUTPUT_VARIABLE outputs)
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${ARG_COMMAND}
    DEPENDS ${ARG_DEPENDS}
    COMMENT "${ARG_COMMENT}"
    VERBATIM)
  list(TRANSFORM ARG_FILES PREPEND ${GRAYMARCH_GAME_DIR}/ OUTPUT_VARIABLE game_files)
  add_custom_target(${target} ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${outputs} ${GRAYMARCH_GAME_DIR}
    DEPENDS ${outputs}
    BYPRODUCTS ${game_files}
    VERBATIM)
  graymarch_game_files(${target})
endfunction()
