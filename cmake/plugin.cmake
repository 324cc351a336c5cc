# add_aircraft_plugin(NAME source...): one aircraft plug-in DLL, the framework and the routines
# that several types share linked with the type's own sources, exporting only
# KVRNACTIONINTERFACE at ordinal 1.
function(add_aircraft_plugin name)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  target_link_libraries(${name} PRIVATE aircraft_shared framework)
  target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/framework/plugin.def)
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
endfunction()

# The plug-ins of the aircraft type catalogue, in its order: the first field of every row.
set(AIRCRAFT_CATALOGUE ${PROJECT_SOURCE_DIR}/aircraft/catalogue.csv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${AIRCRAFT_CATALOGUE})
file(STRINGS ${AIRCRAFT_CATALOGUE} AIRCRAFT_CATALOGUE_ROWS REGEX "^acplug[0-9]+,")
set(AIRCRAFT_PLUGIN_NAMES)
foreach(row IN LISTS AIRCRAFT_CATALOGUE_ROWS)
  string(REGEX MATCH "^[^,]+" name "${row}")
  list(APPEND AIRCRAFT_PLUGIN_NAMES ${name})
endforeach()
