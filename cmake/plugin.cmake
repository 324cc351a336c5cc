# add_aircraft_plugin(NAME source...): one aircraft plug-in DLL, the framework linked
# with the type's own sources, exporting only KVRNACTIONINTERFACE at ordinal 1.
function(add_aircraft_plugin name)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  target_link_libraries(${name} PRIVATE framework)
  target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/framework/plugin.def)
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
endfunction()

# The seventeen plug-in names, acplug01 to acplug17.
set(AIRCRAFT_PLUGIN_NAMES)
foreach(n RANGE 1 17)
  if(n LESS 10)
    set(n "0${n}")
  endif()
  list(APPEND AIRCRAFT_PLUGIN_NAMES acplug${n})
endforeach()
