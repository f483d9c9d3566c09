# The Debian packages, made by cpack from the install components of a build
# configured for /usr (the default preset); see docs/PACKAGING.md for the
# choices and for what lintian still says.
# Each package gets the copyright and changelog from cmake/debian/; binaries
# are stripped into -dbgsym packages; Depends come from dpkg-shlibdeps plus
# the packages of this project each one needs.
set(ISP_DEB_UTILITY ispupdate)
set(ISP_DEB_LIBRARY libskinnedcontrols${PROJECT_VERSION_MAJOR})
set(ISP_DEB_DEVELOPMENT libskinnedcontrols-dev)

isp_gzip(${PROJECT_SOURCE_DIR}/cmake/debian/changelog ${CMAKE_BINARY_DIR}/debian/changelog.gz)
foreach(package IN ITEMS UTILITY LIBRARY DEVELOPMENT)
  string(TOLOWER ${package} component)
  install(FILES cmake/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${ISP_DEB_${package}} COMPONENT ${component})
endforeach()

# The device alternative's maintainer scripts and the INI as a configuration file.
foreach(script postinst prerm conffiles)
  configure_file(cmake/debian/ispupdate.${script}.in ${CMAKE_BINARY_DIR}/debian/ispupdate/${script} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()
file(CHMOD ${CMAKE_BINARY_DIR}/debian/ispupdate/conffiles PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ispupdate)
set(CPACK_PACKAGE_VENDOR "IP camera ISP utility maintainers")
set(CPACK_PACKAGE_CONTACT "IP camera ISP utility maintainers <maintainers@users.noreply.c-seed-640035ee.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL utility library development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE ispupdate)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/debian/FinishDebugPackages.cmake)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The project's own libraries lie in another package; dpkg-shlibdeps finds
# them in the build tree, and the packages that use them name their package
# (ISP_DEB_NEEDS_LIBRARY). Each package is made on its own, so a cpack run can
# make any one of them (the package test makes the three side by side).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_SECTION libs)

set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME ${ISP_DEB_LIBRARY})
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/library/triggers)
set(CPACK_COMPONENT_LIBRARY_DESCRIPTION "skinned Qt widgets in five compiled-in styles
Self-painting controls (buttons, frame, scrolling and paging controls,
panels, combo boxes) with stored text layouts.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME ${ISP_DEB_DEVELOPMENT})
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(ISP_DEB_NEEDS_LIBRARY "${ISP_DEB_LIBRARY} (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${ISP_DEB_NEEDS_LIBRARY}, qt6-base-dev (>= 6.4)")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "skinned Qt widgets - development files
Headers, the CMake package SkinnedControls, the Qt Designer plugin and
the gallery program.")

set(CPACK_DEBIAN_UTILITY_PACKAGE_NAME ${ISP_DEB_UTILITY})
set(CPACK_DEBIAN_UTILITY_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_UTILITY_PACKAGE_DEPENDS "${ISP_DEB_NEEDS_LIBRARY}")
set(CPACK_DEBIAN_UTILITY_PACKAGE_CONTROL_EXTRA
    "${CMAKE_BINARY_DIR}/debian/ispupdate/postinst;${CMAKE_BINARY_DIR}/debian/ispupdate/prerm;${CMAKE_BINARY_DIR}/debian/ispupdate/conffiles")
set(CPACK_COMPONENT_UTILITY_DESCRIPTION "firmware writer for USB-attached IP cameras
The utility (ispupdate, a window) and ispflash (the command line) put the
camera's controller into download mode, send it a boot code and then the
firmware in acknowledged blocks. The device library is an alternative
(ispupdate-device); the simulated camera shipped here lets everything run
without a camera.")

include(CPack)
cpack_add_component(library)
cpack_add_component(utility)
cpack_add_component(development)
