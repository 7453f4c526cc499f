# cmake -DBUILD_DIR=<build> -DGAME_DIR=<folder beside the game> -DSCRIPT=<rebuild test> -P ...
# The rebuild test damages 1861's start file and map on purpose; when the build
# it starts fails (here: a target that does not exist), the files must still be
# whole afterwards, or every later test would read the 1862 game as 1861.
set(names 1861.gmr 1861.GMP)
foreach(name ${names})
  file(SHA256 ${GAME_DIR}/${name} before_${name})
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${BUILD_DIR} -DGAME_DIR=${GAME_DIR}
                        -DTARGET=graymarch_no_such_target -P ${SCRIPT}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(result EQUAL 0)
  message(FATAL_ERROR "the rebuild test passed with a build that cannot succeed")
endif()

foreach(name ${names})
  file(SHA256 ${GAME_DIR}/${name} after)
  if(NOT after STREQUAL before_${name})
    message(FATAL_ERROR "${name} was left damaged by a failed rebuild")
  endif()
endforeach()
