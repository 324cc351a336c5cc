# windows_def(OUT def): the module-definition file to build with. The exported names are the
# 32-bit platform's decorated names (_KVRNL_MoveAction@28 ...) in both builds, so that every
# library binds its peers by the same names. On i686 the file is used as it stands; x86-64 has
# no stdcall decoration, so there the compiler's own symbol names lose their "@N": the right
# side of "export=symbol@N", the left of an import library's "symbol@N == export", and a bare
# "symbol@N" (an export by ordinal).
function(windows_def out def)
  get_filename_component(def ${def} ABSOLUTE)
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(${out} ${def} PARENT_SCOPE)
    return()
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  file(STRINGS ${def} lines)
  set(text "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^([^ =;]+)@[0-9]+ == " "\\1 == " line "${line}")
    string(REGEX REPLACE "=([A-Za-z_][A-Za-z0-9_]*)@[0-9]+" "=\\1" line "${line}")
    string(REGEX REPLACE "^([A-Za-z_][A-Za-z0-9_]*)@[0-9]+( |$)" "\\1\\2" line "${line}")
    string(APPEND text "${line}\n")
  endforeach()
  file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${def})
  set(generated ${PROJECT_BINARY_DIR}/def/${name})
  file(CONFIGURE OUTPUT ${generated} CONTENT "${text}")
  set(${out} ${generated} PARENT_SCOPE)
endfunction()
