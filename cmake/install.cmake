# Installation and the Debian package.
#
#   cmake --install build --prefix ~/.local      # into the user's own folders
#   cd build && cpack -G DEB                      # build/ampera_<version>_<arch>.deb
#
# An installed program keeps ampera.ini in ~/.config/ampera/, appends
# ampera.txt in the documents folder and reads its help from share/ampera/.
include(GNUInstallDirs)

set(AMPERA_APP_ID io.github.ampera.Ampera)
set(AMPERA_MAINTAINER "ampera maintainers <ampera@example.org>" CACHE STRING
    "Maintainer line of the Debian package")

# The program finds share/ampera of its installation relative to its own folder.
file(RELATIVE_PATH AMPERA_DATA_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/ampera")
target_compile_definitions(ampera PRIVATE
  AMPERA_DATA_FROM_BIN="${AMPERA_DATA_FROM_BIN}"
  AMPERA_APP_ID="${AMPERA_APP_ID}")

install(TARGETS ampera RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES docs/ampera.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/ampera)
install(FILES data/${AMPERA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${AMPERA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/${AMPERA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES data/icons/${size}/${AMPERA_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ampera)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${AMPERA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${AMPERA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "short-circuit currents in 0.4 kV networks by GOST 28249-93")
set(CPACK_PACKAGE_DESCRIPTION
"ampera computes the three-phase and the single-phase short-circuit current
in a 0.4 kV network fed by a 10(6)/0.4 kV distribution transformer, by the
method of GOST 28249-93. The fault loop is described by the transformer
(typed in or picked from a catalogue), up to three cable or overhead-line
sections from built-in tables, contacts and apparatus, and a current-limiting
reactor; the current can be reduced for the arc or increased by the feed of
an induction motor, and a text report is appended to a file.
Russian interface, decimal comma.")
include(CPack)
