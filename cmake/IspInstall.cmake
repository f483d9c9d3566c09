# What `cmake --install` puts under the prefix, and the Debian packages that
# scripts/package.sh makes from it with cpack, one per install component:
#   ispupdate (utility)                  the utility in its own folder with its INI,
#                                        boot code and device library; a link in bin/,
#                                        the sample firmware, desktop entry and icons
#   libskinnedcontrols0 (library)        the component set's shared libraries
#   libskinnedcontrols-dev (development) headers, CMake package, Designer plugin, gallery
include(CMakePackageConfigHelpers)

set(ISP_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/SkinnedControls)
install(EXPORT SkinnedControlsTargets NAMESPACE SkinnedControls::
        DESTINATION ${ISP_PACKAGE_DIR} COMPONENT development)
configure_package_config_file(cmake/SkinnedControlsConfig.cmake.in
  ${CMAKE_BINARY_DIR}/SkinnedControlsConfig.cmake
  INSTALL_DESTINATION ${ISP_PACKAGE_DIR}
  PATH_VARS ISP_INSTALL_INCLUDEDIR ISP_DESIGNER_PLUGIN_DIR)
# Before 1.0 a new minor version may change the interface.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/SkinnedControlsConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/SkinnedControlsConfig.cmake
              ${CMAKE_BINARY_DIR}/SkinnedControlsConfigVersion.cmake
        DESTINATION ${ISP_PACKAGE_DIR} COMPONENT development)

# The utility reads its INI and boot code beside its real executable (links
# resolved), so it lives in a folder of its own with them and with the device
# library, where a real camera's library replaces the simulated one; the
# command in bin/ is a link to it.
set(ISP_APP_DIR ${CMAKE_INSTALL_LIBDIR}/ispupdate)
file(RELATIVE_PATH app_from_bin /${CMAKE_INSTALL_BINDIR} /${ISP_APP_DIR}/ispupdate)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
file(CREATE_LINK ${app_from_bin} ${CMAKE_BINARY_DIR}/install-links/ispupdate SYMBOLIC)
file(RELATIVE_PATH lib_from_app /${ISP_APP_DIR} /${CMAKE_INSTALL_LIBDIR})
set_target_properties(ispupdate PROPERTIES INSTALL_RPATH "$ORIGIN;$ORIGIN/${lib_from_app}")
install(TARGETS ispupdate RUNTIME DESTINATION ${ISP_APP_DIR} COMPONENT utility)
install(TARGETS usbcfg LIBRARY DESTINATION ${ISP_APP_DIR} COMPONENT utility NAMELINK_SKIP)
install(FILES app/samples/ispupdate.ini app/samples/bootcode.bin DESTINATION ${ISP_APP_DIR} COMPONENT utility)
install(FILES ${CMAKE_BINARY_DIR}/install-links/ispupdate DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT utility)
install(FILES app/samples/sample_firmware.bin DESTINATION ${CMAKE_INSTALL_DATADIR}/ispupdate COMPONENT utility)
install(FILES app/ispupdate.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT utility)
install(DIRECTORY resources/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT utility)

file(RELATIVE_PATH lib_from_bin /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
set_target_properties(gallery PROPERTIES INSTALL_RPATH "$ORIGIN/${lib_from_bin}")
install(TARGETS gallery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT development)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skinnedcontrols)
set(CPACK_PACKAGE_VENDOR "IP camera ISP utility developers")
set(CPACK_PACKAGE_CONTACT "IP camera ISP utility developers <ispupdate@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL utility library development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libskinnedcontrols0)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4)")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libskinnedcontrols-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev (>= 6.4)")
set(CPACK_DEBIAN_UTILITY_PACKAGE_NAME ispupdate)
set(CPACK_DEBIAN_UTILITY_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_UTILITY_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4)")
set(CPACK_COMPONENT_UTILITY_DESCRIPTION "IP camera ISP utility\n Writes new firmware into a USB-attached IP camera. Ships with a simulated\n camera as its device library.")
set(CPACK_COMPONENT_LIBRARY_DESCRIPTION "Skinned Qt widgets in five compiled-in styles\n Self-painting controls (buttons, frame, scrolling and paging controls,\n panels, combo boxes) with stored text layouts.")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "Skinned Qt widgets: development files\n Headers, the CMake package SkinnedControls, the Qt Designer plugin and\n the gallery program.")
include(CPack)
cpack_add_component(library)
cpack_add_component(utility DEPENDS library)
cpack_add_component(development DEPENDS library)
