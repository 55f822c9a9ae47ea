# Checks the layering of the sources: a file includes only project headers of its own
# layer or of the layers below it. Run as a script (cmake -P) by the build; any
# offending include fails the build with the file, line and header.
#
#   core            no widgets, no SQL
#   db              the database access layer
#   domain          rules, statements, stores, the data module
#   ui              dialogs, widgets, page builder, binder
#   printing/engine the report engine (core only)
#   subsystem windows: register card protocol attachments admin datatest printing statistics
#   demo            the demo data (not part of the program)
#   app             start-up and the registration of the windows
#   tools           zortdb and zortbench
cmake_minimum_required(VERSION 3.21)

set(allowed_core core)
set(allowed_db core db)
set(allowed_domain core db domain)
set(allowed_ui core db domain ui)
set(allowed_printing/engine core printing/engine)
set(allowed_demo core db domain demo)
set(subsystems register card protocol attachments admin datatest printing statistics)
foreach(s IN LISTS subsystems)
  set(allowed_${s} core db domain ui printing/engine ${s})
endforeach()
set(allowed_app core db domain ui printing/engine ${subsystems} app)
set(allowed_tools core db domain ui printing/engine ${subsystems} app demo tools)

file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(errors "")
foreach(f IN LISTS files)
  if(f MATCHES "^printing/engine/")
    set(layer printing/engine)
  else()
    string(REGEX MATCH "^[^/]+" layer "${f}")
  endif()
  if(NOT DEFINED allowed_${layer})
    if(f MATCHES "/")
      list(APPEND errors "${f}: the folder '${layer}' is not a known layer")
    endif()
    continue()
  endif()
  file(STRINGS ${SRC}/${f} includes REGEX "^#include \"[A-Za-z_]+/")
  foreach(inc IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${inc}")
    if(header MATCHES "^printing/engine/")
      set(target printing/engine)
    else()
      string(REGEX MATCH "^[^/]+" target "${header}")
    endif()
    list(FIND allowed_${layer} "${target}" found)
    if(found EQUAL -1)
      list(APPEND errors "${f}: layer '${layer}' must not include ${header}")
    endif()
  endforeach()
endforeach()
if(errors)
  list(JOIN errors "\n  " text)
  message(FATAL_ERROR "Layering broken:\n  ${text}")
endif()
