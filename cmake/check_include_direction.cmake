# cmake -DSOURCE_DIR=<top> -P check_include_direction.cmake
# Dependencies point one way. The rules are one block below the window:
# world at the bottom, warfare above it, the computer players (opponent) above
# warfare, and the turn's phases (turn) on top, calling into all three. The
# rules know nothing of the window side (platform, widgets, ui); the control
# set knows nothing of the rules or the window; the platform knows nothing of
# the game at all. Within the platform each folder uses only those below it:
# graphics, text and services at the bottom, then components, input, forms,
# controls, dialogs and the backends. The generators and the campaign runner
# (tools) build on the rules and the platform but never on the window, and on
# the window side the battle and order dialogs never reach into the main
# window (ui/main), which opens them. Fails, naming each line, when a file
# includes across the line.

function(check_layer folders forbidden)
  set(files)
  foreach(folder ${folders})
    file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND files ${found})
  endforeach()
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
set(window platform widgets ui)
set(rules_above warfare opponent turn)
foreach(folder world ${rules_above})
  list(REMOVE_ITEM rules_above ${folder})
  set(forbidden ${rules_above} ${window})
  check_layer(${folder} "${forbidden}")
endforeach()
check_layer(widgets "world;warfare;opponent;turn;ui")
check_layer(platform "world;warfare;opponent;turn;widgets;ui;tools")
check_layer(tools "ui")
check_layer("ui/battles;ui/orders" "ui/main")
set(platform_above
  platform/components platform/input platform/forms platform/controls platform/dialogs
  platform/backend)
foreach(folder platform/graphics platform/text platform/services ${platform_above})
  list(REMOVE_ITEM platform_above ${folder})
  if(platform_above)
    check_layer(${folder} "${platform_above}")
  endif()
endforeach()
if(violations)
  message(FATAL_ERROR "Includes against the direction of the layers:\n${violations}")
endif()
