# What `cmake --install` puts under the prefix, and the Debian packages that
# scripts/package.sh makes from it with cpack (cmake/IspDebian.cmake), one per
# install component:
#   ispupdate (utility)                  the utility and ispflash in their own folder,
#                                        the boot code, the simulated camera; links in
#                                        bin/, the INI in /etc/ispupdate/, manual pages,
#                                        the sample firmware, desktop entry, metainfo, icons
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

# Compressed the way Debian wants manual pages and changelogs (gzip -9n: best
# compression, no name or time stamp); redone when the source changes.
function(isp_gzip source target)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  get_filename_component(folder ${target} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# A link made in the build tree and installed as it is.
function(isp_install_link name target destination component)
  set(link ${CMAKE_BINARY_DIR}/install-links/${destination}/${name})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links/${destination})
  file(CREATE_LINK ${target} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${destination} COMPONENT ${component})
endfunction()

# The utility and ispflash read their INI and boot code beside their real
# executable (links resolved), so they live in a folder of their own with the
# boot code; the commands in bin/ are links to them. The INI itself is
# configuration, kept in /etc/ispupdate/ and reached through a link.
# The device library is the "ispupdate-device" alternative, a link beside the
# programs that the package's scripts point at the simulated camera
# (simulated/); a maker's library registered with a higher priority wins and
# outlives upgrades. Without the link (a plain `cmake --install`) the programs
# fall back to simulated/ through their run path.
set(ISP_APP_DIR ${CMAKE_INSTALL_LIBDIR}/ispupdate)
set(ISP_SIMULATED_DIR ${ISP_APP_DIR}/simulated)
set(ISP_CONFIG_DIR ${CMAKE_INSTALL_FULL_SYSCONFDIR}/ispupdate)
file(RELATIVE_PATH lib_from_app /${ISP_APP_DIR} /${CMAKE_INSTALL_LIBDIR})
foreach(program ispupdate ispflash)
  if(TARGET ${program})
    set_target_properties(${program} PROPERTIES INSTALL_RPATH "$ORIGIN;$ORIGIN/simulated;$ORIGIN/${lib_from_app}")
    install(TARGETS ${program} RUNTIME DESTINATION ${ISP_APP_DIR} COMPONENT utility)
    file(RELATIVE_PATH program_from_bin /${CMAKE_INSTALL_BINDIR} /${ISP_APP_DIR}/${program})
    isp_install_link(${program} ${program_from_bin} ${CMAKE_INSTALL_BINDIR} utility)
  endif()
endforeach()
install(TARGETS usbcfg LIBRARY DESTINATION ${ISP_SIMULATED_DIR} COMPONENT utility NAMELINK_SKIP)
install(FILES app/samples/bootcode.bin DESTINATION ${ISP_APP_DIR} COMPONENT utility)
install(FILES app/samples/ispupdate.ini DESTINATION ${ISP_CONFIG_DIR} COMPONENT utility)
isp_install_link(ispupdate.ini ${ISP_CONFIG_DIR}/ispupdate.ini ${ISP_APP_DIR} utility)
install(FILES app/samples/sample_firmware.bin DESTINATION ${CMAKE_INSTALL_DATADIR}/ispupdate COMPONENT utility)
install(FILES app/ispupdate.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT utility)
install(FILES app/ispupdate.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT utility)
install(DIRECTORY resources/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT utility)

file(RELATIVE_PATH lib_from_bin /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
set_target_properties(gallery PROPERTIES INSTALL_RPATH "$ORIGIN/${lib_from_bin}")
install(TARGETS gallery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT development)
# The example skin pack, where the style plugin finds installed packs.
install(DIRECTORY skins/graphite DESTINATION ${CMAKE_INSTALL_DATADIR}/skinnedcontrols/skins COMPONENT library)
set_target_properties(skinpack PROPERTIES INSTALL_RPATH "$ORIGIN/${lib_from_bin}")
install(TARGETS skinpack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT development)

# Manual pages.
foreach(page ispupdate:utility ispflash:utility gallery:development skinpack:development)
  string(REPLACE ":" ";" page ${page})
  list(GET page 0 name)
  list(GET page 1 component)
  isp_gzip(${PROJECT_SOURCE_DIR}/docs/man/${name}.1 ${CMAKE_BINARY_DIR}/man/${name}.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/man/${name}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endforeach()

include(cmake/IspDebian.cmake)
