# add_aircraft_plugin(NAME source...): one aircraft plug-in DLL, the framework and the routines
# that several types share linked with the type's own sources, exporting only
# KVRNACTIONINTERFACE at ordinal 1.
function(add_aircraft_plugin name)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  target_link_libraries(${name} PRIVATE aircraft_shared framework)
  windows_def(plugin_def ${PROJECT_SOURCE_DIR}/framework/plugin.def)
  target_sources(${name} PRIVATE ${plugin_def})
  target_link_options(${name} PRIVATE -Wl,--no-undefined)
endfunction()

# The aircraft type catalogue: one row per plug-in, its name first (aircraft/CMakeLists.txt
# builds the rows whose folder exists).
set(AIRCRAFT_CATALOGUE ${PROJECT_SOURCE_DIR}/aircraft/catalogue.csv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${AIRCRAFT_CATALOGUE})
file(STRINGS ${AIRCRAFT_CATALOGUE} AIRCRAFT_CATALOGUE_ROWS REGEX "^acplug[0-9]+,")
