# Fails when a source file includes a folder above its own layer, or when
# the core library links anything beyond QtCore.
#
#   cmake -DSOURCE_DIR=src [-DCORE_LIBRARIES="..."] -P check_layers.cmake
#
# The layers, from the bottom up; a file may include its own folder and the
# folders of lower layers. Folders of one layer do not include each other.
set(LAYERS
  "model"
  "engine;report"
  "ui"
  "equilibrium"
  "input"
  "results"
  "diagrams"
  "app")

set(rank 0)
foreach(layer IN LISTS LAYERS)
  foreach(folder IN ITEMS ${layer})
    set(RANK_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

set(faults "")
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(NOT DEFINED RANK_${folder})
    list(APPEND faults "${source}: the folder ${folder} is in no layer")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
    if(NOT included MATCHES "/")
      # A file of its own folder.
      if(NOT EXISTS "${SOURCE_DIR}/${folder}/${included}")
        list(APPEND faults "${source}: \"${included}\" is not in ${folder}/ (an include names its folder)")
      endif()
      continue()
    endif()
    string(REGEX MATCH "^[^/]+" target "${included}")
    if(target STREQUAL folder)
      continue()
    endif()
    if(NOT DEFINED RANK_${target})
      list(APPEND faults "${source}: \"${included}\" names no folder of the sources")
    elseif(NOT RANK_${target} LESS RANK_${folder})
      list(APPEND faults "${source}: includes \"${included}\", which lies in a layer not below ${folder}/")
    endif()
  endforeach()
endforeach()

if(DEFINED CORE_LIBRARIES)
  foreach(library IN LISTS CORE_LIBRARIES)
    if(library MATCHES "Qt6?::" AND NOT library MATCHES "Qt6?::Core$")
      list(APPEND faults "tarelin_core links ${library}: the core uses QtCore only")
    endif()
  endforeach()
endif()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "The layers are broken:\n${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files, every include below its own layer")
