# Run by cpack after it made the packages (CPACK_POST_BUILD_SCRIPTS). Its
# -dbgsym packages list build-machine paths in md5sums and have no
# documentation folder; each is rebuilt with relative md5sums and the
# usr/share/doc/<package>-dbgsym -> <package> link that Debian's own debug
# packages carry.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}: ${err}")
  endif()
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.ddeb$")
    continue()
  endif()
  set(tree ${package}.tree)
  file(REMOVE_RECURSE ${tree})
  run(dpkg-deb --raw-extract ${package} ${tree})

  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${tree} ${tree}/usr/*)
  list(SORT files)
  set(md5sums "")
  foreach(file IN LISTS files)
    file(MD5 ${tree}/${file} md5)
    string(APPEND md5sums "${md5}  ${file}\n")
  endforeach()
  file(WRITE ${tree}/DEBIAN/md5sums "${md5sums}")

  file(STRINGS ${tree}/DEBIAN/control name REGEX "^Package: ")
  string(REGEX REPLACE "^Package: (.*)-dbgsym$" "\\1" base "${name}")
  file(MAKE_DIRECTORY ${tree}/usr/share/doc)
  file(CREATE_LINK ${base} ${tree}/usr/share/doc/${base}-dbgsym SYMBOLIC)

  run(dpkg-deb --root-owner-group -Zgzip -z6 --build ${tree} ${package})
  file(REMOVE_RECURSE ${tree})
endforeach()
