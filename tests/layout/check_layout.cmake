# Fails when the source tree reaches where it must not:
# - a file outside a ui/ folder includes a Qt header or a ui/ header (the core stays free of Qt);
# - the framework, core or ui/, includes a subsystem's header (the floor does not reach up);
# - a subsystem includes another subsystem's ui/ header (rooms do not reach sideways). The one exception is
#   standards/ui, the shared list of standards that pages pick from. The program (app/) and the command
#   line (cli/) put the rooms together and may include any of them.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp ${SRC}/*.in)
set(domains "units|thermocouple|rtd|thermistor|humidity|standards")
set(problems "")
foreach(file ${files})
  file(STRINGS ${SRC}/${file} includes REGEX "^[ \t]*#[ \t]*include")
  string(REGEX MATCH "^[^/]+" folder "${file}")
  foreach(line ${includes})
    if(NOT file MATCHES "(^|/)ui/" AND (line MATCHES "<Q[A-Za-z]*>" OR line MATCHES "\"[^\"]*ui/[^\"]*\""))
      list(APPEND problems "${file} (core includes the user interface): ${line}")
    endif()
    if(folder STREQUAL "framework" AND line MATCHES "\"(${domains}|app|cli)/")
      list(APPEND problems "${file} (the framework reaches up): ${line}")
    endif()
    if(folder MATCHES "^(${domains})$" AND line MATCHES "\"(${domains})/ui/")
      string(REGEX MATCH "\"(${domains})/ui/" target "${line}")
      string(REGEX REPLACE "\"([^/]+)/ui/" "\\1" target "${target}")
      if(NOT target STREQUAL folder AND NOT target STREQUAL "standards")
        list(APPEND problems "${file} (reaches into another room's pages): ${line}")
      endif()
    endif()
  endforeach()
endforeach()
if(problems)
  string(REPLACE ";" "\n" text "${problems}")
  message(FATAL_ERROR "includes that break the layout:\n${text}")
endif()
