# cmake -DSOURCE_DIR=<top> -P check_include_direction.cmake
# Dependencies point one way: the rules (world, warfare, opponent) know nothing
# of the window side (platform, widgets, ui), and the control set knows nothing
# of the rules. Fails, naming each line, when a file includes across the line.

function(check_layer folders forbidden)
  set(files)
  foreach(folder ${folders})
    file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  # The battle dialogs live beside their rules but are a library above them.
  list(FILTER files EXCLUDE REGEX "/warfare/views/")
  list(JOIN forbidden "|" alternatives)
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](${alternatives})/")
    foreach(line ${lines})
      file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
      string(STRIP "${line}" line)
      string(APPEND violations "  ${name}: ${line}\n")
    endforeach()
  endforeach()
  set(violations "${violations}" PARENT_SCOPE)
endfunction()

set(violations "")
check_layer("world;warfare;opponent" "platform;widgets;ui;warfare/views")
check_layer("widgets" "world;warfare;opponent;ui")
if(violations)
  message(FATAL_ERROR "Includes against the direction of the layers:\n${violations}")
endif()
