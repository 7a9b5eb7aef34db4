# SPDX-License-Identifier: GPL-3.0-or-later
# Each layer's library shows its own headers, as "<layer>/<file>.h", and no
# other layer's: a link to the symlinked source folder is all that is on its
# public include path. A wrong-way include (the engine reaching into the
# runtime, say) finds no file and fails to build.
function(zelvar_layer_headers target layer)
  set(root ${CMAKE_BINARY_DIR}/include/${layer})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${layer} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
