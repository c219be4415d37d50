# Checks the #include lines of the source tree against the layers (docs/architecture.md):
#   - the core (base/, framework/model/, and the files directly in app/, catalogue/, search/, stock/,
#     settings/) includes no Qt header and nothing from framework/ but framework/model/, and no ui/ file;
#   - framework/ (framework/model/ included) includes nothing from app/ or a subsystem;
#   - a subsystem (catalogue/, search/, stock/, settings/, with their ui/ folders) includes nothing from app/;
#   - base/ includes nothing but base/ and the standard library.
# Usage: cmake -DROOT=<source tree> -P check_layers.cmake. Prints one line per wrong include and fails when
# there is one.
if(NOT ROOT)
  message(FATAL_ERROR "check_layers: ROOT not set")
endif()

set(subsystems catalogue search stock settings)
set(violations 0)

function(report file line text why)
  file(RELATIVE_PATH rel ${ROOT} ${file})
  string(STRIP "${text}" text)
  message("${rel}:${line}: ${text} -- ${why}")
  math(EXPR n "${violations} + 1")
  set(violations ${n} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/base/*.h ${ROOT}/base/*.cpp ${ROOT}/framework/*.h
     ${ROOT}/framework/*.cpp ${ROOT}/app/*.h ${ROOT}/app/*.cpp ${ROOT}/catalogue/*.h ${ROOT}/catalogue/*.cpp
     ${ROOT}/search/*.h ${ROOT}/search/*.cpp ${ROOT}/stock/*.h ${ROOT}/stock/*.cpp ${ROOT}/settings/*.h
     ${ROOT}/settings/*.cpp)

foreach(rel ${sources})
  set(path ${ROOT}/${rel})
  string(REGEX MATCH "^[^/]+" top "${rel}")
  # The core: directly in a layer folder (not in ui/ or script/), the framework's models, not the program entry.
  set(core FALSE)
  if(rel MATCHES "^framework/model/")
    set(core TRUE)
  elseif(NOT top STREQUAL "framework" AND rel MATCHES "^[^/]+/[^/]+$" AND NOT rel STREQUAL "app/main.cpp")
    set(core TRUE)
  endif()
  list(FIND subsystems ${top} subsystemIndex)

  file(STRINGS ${path} lines)
  set(lineNumber 0)
  foreach(text IN LISTS lines)
    math(EXPR lineNumber "${lineNumber} + 1")
    if(NOT text MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
      continue()
    endif()
    set(bracket ${CMAKE_MATCH_1})
    set(target ${CMAKE_MATCH_2})
    string(REGEX MATCH "^[^/]+" targetTop "${target}")
    set(local FALSE)
    if(bracket STREQUAL "\"" AND target MATCHES "/")
      set(local TRUE)
    endif()

    if(core)
      if(bracket STREQUAL "<" AND target MATCHES "^(Q|qt|Qt)")
        report(${path} ${lineNumber} "${text}" "Qt in the core")
      endif()
      if(local AND targetTop STREQUAL "framework" AND NOT target MATCHES "^framework/model/")
        report(${path} ${lineNumber} "${text}" "the core includes the Qt toolkit")
      endif()
      if(local AND target MATCHES "/ui/")
        report(${path} ${lineNumber} "${text}" "the core includes a ui/ file")
      endif()
    endif()
    if(top STREQUAL "framework" AND local)
      list(FIND subsystems ${targetTop} targetSubsystem)
      if(targetTop STREQUAL "app" OR NOT targetSubsystem EQUAL -1)
        report(${path} ${lineNumber} "${text}" "the toolkit includes the program (${targetTop}/)")
      endif()
    endif()
    if(NOT subsystemIndex EQUAL -1 AND local AND targetTop STREQUAL "app")
      report(${path} ${lineNumber} "${text}" "a subsystem includes app/")
    endif()
    if(top STREQUAL "base" AND local AND NOT targetTop STREQUAL "base")
      report(${path} ${lineNumber} "${text}" "base/ includes a layer above it")
    endif()
  endforeach()
endforeach()

list(LENGTH sources count)
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) break the layering (${count} files checked)")
endif()
message("layering: ${count} files checked, no wrong include")
