# Helpers shared by every folder's CMakeLists.

function(graymarch_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# graymarch_test_program(NAME FOLDERS dir... [LIBRARIES lib...])
# Builds one GoogleTest program from every .cpp under the given folders of tests/.
function(graymarch_test_program name)
  if(NOT GRAYMARCH_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "FOLDERS;LIBRARIES" ${ARGN})
  set(globs)
  foreach(folder ${ARG_FOLDERS})
    list(APPEND globs ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
  endforeach()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${globs})
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE test_support ${ARG_LIBRARIES} GTest::gtest_main)
  graymarch_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy")
endfunction()

# Files the game reads from beside its executable are produced into GRAYMARCH_GAME_DIR
# by custom commands; graymarch_game_files(target) makes the game depend on them.
set(GRAYMARCH_GAME_DIR ${CMAKE_BINARY_DIR})
function(graymarch_game_files target)
  set_property(GLOBAL APPEND PROPERTY GRAYMARCH_GAME_FILE_TARGETS ${target})
endfunction()
