# Translations: English is the source language; translations/<catalogue>_<lang>.ts
# hold the others, released into .qm files at build time and compiled in under
# ":/i18n/". `cmake --build build --target update_translations` refreshes the
# .ts files from the sources (lupdate).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

# Texts a stored layout shows (captions, hints) are translated when the window
# is read, in the context of the window's class; lupdate cannot read layouts,
# so this writes them as a C++ file of QT_TRANSLATE_NOOP entries for it to scan.
function(isp_layout_texts out_var layout context)
  file(STRINGS ${layout} lines REGEX "^ *(Caption|Hint|toolTip) = '")
  set(entries "// Generated from ${layout} for lupdate; not compiled.\n")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^ *[A-Za-z]+ = '(.*)'$" "\\1" text "${line}")
    string(REPLACE "''" "'" text "${text}")
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(APPEND entries "QT_TRANSLATE_NOOP(\"${context}\", \"${text}\");\n")
  endforeach()
  get_filename_component(name ${layout} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}_layout_texts.cpp)
  file(CONFIGURE OUTPUT ${out} CONTENT "${entries}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${layout})
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()
