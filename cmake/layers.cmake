include(${CMAKE_CURRENT_LIST_DIR}/layer_order.cmake)

# Every library of a layer compiles against an include root of its own, build/layers/<folder>/, which holds
# symbolic links to that folder and the folders it may include, and to nothing else: `#include "app/…"`
# from a grid/ source does not compile, since no root a grid/ target sees has an app/ folder. No library
# exports an include folder of ours to its dependants: each declares its own root, PRIVATE. What the build
# cannot see (a header that no library of its own folder compiles, a path with "..") the test
# Layering.IncludesPointDown checks on every source file.
set(WANNIANLI_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layers)

foreach(layer ${WANNIANLI_LAYERS})
  set(root ${WANNIANLI_LAYER_ROOTS}/${layer})
  # Only the links go (file(REMOVE) removes a link, never what it points to): the order may have changed.
  file(GLOB links LIST_DIRECTORIES true ${root}/*)
  if(links)
    file(REMOVE ${links})
  endif()
  file(MAKE_DIRECTORY ${root})
  wannianli_layer_folders(${layer} folders)
  foreach(folder ${folders})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
endforeach()

# wannianli_layer(TARGET LAYER): TARGET's sources live in the folder LAYER and include through its root.
function(wannianli_layer target layer)
  if(NOT layer IN_LIST WANNIANLI_LAYERS)
    message(FATAL_ERROR "${layer} is not a layer: ${WANNIANLI_LAYERS}")
  endif()
  target_include_directories(${target} PRIVATE ${WANNIANLI_LAYER_ROOTS}/${layer})
endfunction()
