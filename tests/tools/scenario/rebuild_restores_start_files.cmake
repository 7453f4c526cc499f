# cmake -DBUILD_DIR=<build> -DGAME_DIR=<folder beside the game> [-DTARGET=<target>]
#       -P rebuild_restores_start_files.cmake
# A save written over the 1861 start file and its map (here the 1862 files, of
# the same size and newer than every source) is undone by the next build of the
# start files, and the files of the other years stay as they were.
if(NOT TARGET)
  set(TARGET start_files)
endif()
set(names 1861.gmr 1861.GMP 1862.gmr 1862.GMP)
set(damaged 1861.gmr 1861.GMP)
foreach(name ${names})
  file(SHA256 ${GAME_DIR}/${name} before_${name})
endforeach()

# Every other test reads these files, so whatever this test finds, it leaves
# them as they were before it failed.
set(kept ${BUILD_DIR}/rebuild-test-kept)
file(REMOVE_RECURSE ${kept})
file(MAKE_DIRECTORY ${kept})
foreach(name ${damaged})
  file(COPY_FILE ${GAME_DIR}/${name} ${kept}/${name})
endforeach()

function(fail why)
  foreach(name ${damaged})
    file(COPY_FILE ${kept}/${name} ${GAME_DIR}/${name})
  endforeach()
  file(REMOVE_RECURSE ${kept})
  message(FATAL_ERROR "${why}")
endfunction()

foreach(extension gmr GMP)
  file(COPY_FILE ${GAME_DIR}/1862.${extension} ${GAME_DIR}/1861.${extension})
  file(TOUCH ${GAME_DIR}/1861.${extension})
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
                RESULT_VARIABLE built OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT built EQUAL 0)
  fail("the build of the start files failed:\n${output}")
endif()

foreach(name ${names})
  file(SHA256 ${GAME_DIR}/${name} after)
  if(NOT after STREQUAL before_${name})
    fail("${name} differs from the compiled one after the build")
  endif()
endforeach()
file(REMOVE_RECURSE ${kept})
