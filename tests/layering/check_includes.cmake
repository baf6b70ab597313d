# Fails when a source file includes a folder it may not include (cmake/layer_order.cmake): a folder of the
# program only includes itself and the folders below it, lunar/ only itself, and nothing of the program
# includes tools/, tests/, bench/ or fuzz/, which may include anything.
#
#   cmake -DORDER=<cmake/layer_order.cmake> -DROOT=<tree to check> -P check_includes.cmake
#
# Every #include "…" and #include <…> line of every .h/.hpp/.c/.cpp/.cc file under the tree's top folders is
# read. A quoted path that exists beside the including file is taken from there (as the compiler takes it,
# "../" included); any other path names its top folder first.
cmake_minimum_required(VERSION 3.25)
include(${ORDER})

set(free_folders tools tests bench fuzz)
set(top_folders ${WANNIANLI_LAYERS} ${free_folders})

set(checked 0)
set(faults 0)
foreach(from ${top_folders})
  file(GLOB_RECURSE files RELATIVE ${ROOT}
       ${ROOT}/${from}/*.h ${ROOT}/${from}/*.hpp ${ROOT}/${from}/*.c ${ROOT}/${from}/*.cpp ${ROOT}/${from}/*.cc)
  list(FILTER files EXCLUDE REGEX "/node_modules/")
  if(from IN_LIST WANNIANLI_LAYERS)
    wannianli_layer_folders(${from} allowed)
  endif()
  foreach(file ${files})
    file(STRINGS ${ROOT}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]+[\">]")
    get_filename_component(dir ${ROOT}/${file} DIRECTORY)
    foreach(line ${lines})
      string(REGEX MATCH "[\"<]([^\">]+)[\">]" _ "${line}")
      set(path ${CMAKE_MATCH_1})
      math(EXPR checked "${checked} + 1")
      if(line MATCHES "#[ \t]*include[ \t]*\"" AND EXISTS ${dir}/${path})
        cmake_path(SET target NORMALIZE ${dir}/${path})
        cmake_path(RELATIVE_PATH target BASE_DIRECTORY ${ROOT})
      else()
        set(target ${path})
      endif()
      string(REGEX REPLACE "/.*" "" to "${target}")
      if(NOT to IN_LIST top_folders OR to STREQUAL from OR from IN_LIST free_folders)
        continue()
      endif()
      if(to IN_LIST free_folders)
        set(fault "nothing of the program includes ${to}/")
      elseif(NOT to IN_LIST allowed)
        string(REPLACE ";" " " fault "${from}/ includes only ${allowed}")
      else()
        continue()
      endif()
      math(EXPR faults "${faults} + 1")
      message(NOTICE "${file}: ${line}  [${fault}]")
    endforeach()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "no #include lines found under ${ROOT}")
endif()
if(faults GREATER 0)
  string(REPLACE ";" " → " order "${WANNIANLI_LAYERS}")
  message(FATAL_ERROR "${faults} includes against the layers ${order}")
endif()
message(STATUS "${checked} #include lines follow the layers")
