include(GNUInstallDirs)

# The Qt headers nearly every unit of a widget target includes (ISP_PRECOMPILE_HEADERS),
# precompiled once with the toolkit and reused by the other targets. GCC takes
# a precompiled header only where the same macros are defined, so these
# targets drop CMake's <target>_EXPORTS macro, which nothing here reads.
function(isp_precompile_qt_headers name)
  if(NOT ISP_PRECOMPILE_HEADERS)
    return()
  endif()
  set_target_properties(${name} PROPERTIES DEFINE_SYMBOL "")
  if(name STREQUAL toolkit)
    target_precompile_headers(toolkit PRIVATE <QImage> <QPainter> <QPointer> <QString> <QWidget>)
  else()
    target_precompile_headers(${name} REUSE_FROM toolkit)
  endif()
endfunction()

# A folder whose first unit is still to come builds as an empty library.
macro(isp_sources_or_placeholder var)
  if(NOT ${var})
    set(${var} ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
endmacro()

# One library target per source folder. Sources are globbed so that adding a
# unit is adding its .h/.cpp pair; CONFIGURE_DEPENDS keeps the glob current.
function(isp_add_library name dir)
  cmake_parse_arguments(ARG "SHARED" "" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  isp_sources_or_placeholder(sources)
  if(ARG_SHARED)
    add_library(${name} SHARED ${sources})
  else()
    add_library(${name} STATIC ${sources})
  endif()
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
endfunction()

# The component set's libraries are shared and installed: each with a version
# and SONAME, its headers under include/skinnedcontrols/<folder>/ (so that the
# includes read the same inside and outside this tree) and an entry in the
# exported package SkinnedControls::<name>
# (libskinned_buttons.so, SkinnedControls::buttons for skin_buttons).
function(isp_install_component_library name)
  string(REGEX REPLACE "^skin_" "" short ${name})
  set_target_properties(${name} PROPERTIES
    INSTALL_RPATH "$ORIGIN"
    OUTPUT_NAME skinned_${short}
    EXPORT_NAME ${short}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  target_include_directories(${name} INTERFACE $<INSTALL_INTERFACE:${ISP_INSTALL_INCLUDEDIR}>)
  # The public headers are C++20; a program using them needs to say nothing.
  target_compile_features(${name} PUBLIC cxx_std_20)
  install(TARGETS ${name} EXPORT SkinnedControlsTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library NAMELINK_COMPONENT development)
  add_library(SkinnedControls::${short} ALIAS ${name})
endfunction()

function(isp_add_component_library name dir)
  isp_add_library(${name} ${dir} SHARED ${ARGN})
  isp_precompile_qt_headers(${name})
  isp_install_component_library(${name})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
  file(GLOB headers ${dir}/*.h)
  install(FILES ${headers} DESTINATION ${ISP_INSTALL_INCLUDEDIR}/${folder} COMPONENT development)
endfunction()

# One GoogleTest executable per tests/ folder, sharing the common test main
# (offscreen platform, fixed palette and fonts).
function(isp_add_test_folder name dir)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE isp_test_main ${ARG_LINK} GTest::gtest GTest::gmock Qt6::Test)
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
