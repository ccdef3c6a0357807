# talvenor_export_exactly(TARGET DEF_FILE MAP_FILE): a plug-in module exports its
# host's entry points and nothing else: on Windows those the module-definition
# file lists, elsewhere those the linker version script leaves global (with no
# undefined symbol left for the host to supply).
function(talvenor_export_exactly target def_file map_file)
  if(WIN32)
    target_sources(${target} PRIVATE ${def_file})
  else()
    target_link_options(${target} PRIVATE -Wl,--no-undefined -Wl,--version-script=${map_file})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map_file})
  endif()
endfunction()
