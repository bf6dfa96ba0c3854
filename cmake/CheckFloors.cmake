# Refuses an include that runs up the floors: a room's files may include its own headers and
# those of the rooms it stands on, never one above. Run by CTest: cmake -DSOURCE=... -P this.
#   base                 results, text, case: the ground floor
#   names                what a domain name is
#   web                  HTTP, TCP, decoding
#   query                the window's query
#   check                answers and the sources
#   sim                  the simulators
#   app, cli             the front ends, side by side
cmake_policy(SET CMP0057 NEW)  # if(IN_LIST)
set(allowed_base base)
set(allowed_names base names)
set(allowed_web base web)
set(allowed_query base web query)
set(allowed_check base names web query check)
set(allowed_sim base names web query check sim)
set(allowed_app base names web query check sim app)
set(allowed_cli base names web query check sim cli)

set(faults "")
foreach(room base names web query check sim app cli)
  file(GLOB_RECURSE files ${SOURCE}/${room}/*.h ${SOURCE}/${room}/*.cpp ${SOURCE}/${room}/*.inc)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^#include \"[a-z0-9_]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([a-z0-9_]+)/.*" "\\1" target "${line}")
      if(NOT target IN_LIST allowed_${room})
        file(RELATIVE_PATH shown ${SOURCE} ${file})
        string(APPEND faults "  ${shown}: ${line} (${room} stands on ${allowed_${room}})\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes that run up the floors:\n${faults}")
endif()
