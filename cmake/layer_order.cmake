# The layers, lowest first: a folder includes only the folders below it (tools/, tests/ and bench/ may include
# any; no folder of the program includes tools/, tests/ or bench/). lunar/ includes nothing but itself: the
# engine has no dependencies, and today's date reaches it from its callers.
set(WANNIANLI_LAYERS platform lunar almanac ui grid windows app)
set(WANNIANLI_SELF_CONTAINED_LAYERS lunar)

# The folders `layer` may include, itself included.
function(wannianli_layer_folders layer out)
  if(layer IN_LIST WANNIANLI_SELF_CONTAINED_LAYERS)
    set(${out} ${layer} PARENT_SCOPE)
    return()
  endif()
  list(FIND WANNIANLI_LAYERS ${layer} index)
  if(index LESS 0)
    message(FATAL_ERROR "${layer} is not a layer: ${WANNIANLI_LAYERS}")
  endif()
  list(SUBLIST WANNIANLI_LAYERS 0 ${index} below)
  set(${out} ${below} ${layer} PARENT_SCOPE)
endfunction()
