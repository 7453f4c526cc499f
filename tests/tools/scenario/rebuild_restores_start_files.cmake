# cmake -DBUILD_DIR=<build> -DGAME_DIR=<folder beside the game> -P rebuild_restores_start_files.cmake
# A save written over the 1861 start file and its map (here the 1862 files, of
# the same size and newer than every source) is undone by the next build of the
# start files, and the files of the other years stay as they were.
set(names 1861.gmr 1861.GMP 1862.gmr 1862.GMP)
foreach(name ${names})
  file(SHA256 ${GAME_DIR}/${name} before_${name})
endforeach()

foreach(extension gmr GMP)
  file(COPY_FILE ${GAME_DIR}/1862.${extension} ${GAME_DIR}/1861.${extension})
  file(TOUCH ${GAME_DIR}/1861.${extension})
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target start_files
                RESULT_VARIABLE built OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "the build of the start files failed:\n${output}")
endif()

foreach(name ${names})
  file(SHA256 ${GAME_DIR}/${name} after)
  if(NOT after STREQUAL before_${name})
    message(FATAL_ERROR "${name} differs from the compiled one after the build")
  endif()
endforeach()
