# Installation and the Debian package.
#
#   cmake --install build --prefix ~/.local --strip   # into the user's own folders
#   cd build && cpack -G DEB                          # build/ampera_<version>_<arch>.deb
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

# The release of this version in the metainfo gives the date of the manual
# page and of the changelog.
file(READ ${PROJECT_SOURCE_DIR}/data/${AMPERA_APP_ID}.metainfo.xml metainfo)
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
if(NOT metainfo MATCHES "<release version=\"${version_pattern}\" date=\"([0-9-]+)\">(.*)</release>")
  message(FATAL_ERROR "the metainfo has no release ${PROJECT_VERSION}")
endif()
set(AMPERA_RELEASE_DATE ${CMAKE_MATCH_1})
set(release_text "${CMAKE_MATCH_2}")

# The manual page and the Debian changelog (native style: one entry of this
# version, its text the release's in the metainfo), compressed as Debian ships them.
configure_file(docs/ampera.1.in ${PROJECT_BINARY_DIR}/ampera.1 @ONLY)
execute_process(COMMAND date -u -R -d ${AMPERA_RELEASE_DATE} OUTPUT_VARIABLE release_time
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "</release>.*" "" release_text "${release_text}")
string(REGEX REPLACE "<[^>]*>" " " release_text "${release_text}")
string(REGEX REPLACE "[ \t\r\n]+" " " release_text "${release_text}")
string(STRIP "${release_text}" release_text)
set(changelog_entry "  *")
set(line_length 3)
string(REPLACE " " ";" words "${release_text}")
foreach(word IN LISTS words)
  string(LENGTH "${word}" word_length)
  math(EXPR line_length "${line_length} + 1 + ${word_length}")
  if(line_length GREATER 78)
    string(APPEND changelog_entry "\n   ")
    math(EXPR line_length "3 + 1 + ${word_length}")
  endif()
  string(APPEND changelog_entry " ${word}")
endforeach()
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/changelog CONTENT
"ampera (${PROJECT_VERSION}) unstable; urgency=medium

${changelog_entry}

 -- ${AMPERA_MAINTAINER}  ${release_time}
")
foreach(doc ampera.1 changelog)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_BINARY_DIR}/${doc} -DOUT=${PROJECT_BINARY_DIR}/${doc}.gz
            -P ${PROJECT_SOURCE_DIR}/cmake/gzip.cmake
    DEPENDS ${PROJECT_BINARY_DIR}/${doc} ${PROJECT_SOURCE_DIR}/cmake/gzip.cmake VERBATIM)
endforeach()
add_custom_target(ampera_docs ALL DEPENDS ${PROJECT_BINARY_DIR}/ampera.1.gz ${PROJECT_BINARY_DIR}/changelog.gz)

install(TARGETS ampera RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The chart module, which the program loads from its private folder (ui/time_chart_drawing.cpp). In a
# subfolder of <libdir>/ampera/: for a shared object right under /usr/lib/<folder>/ cpack would add ldconfig
# calls to the package's scripts (lintian: maintscript-calls-ldconfig), which a private module does not need.
install(TARGETS ampera_charts LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/ampera/modules)
install(FILES docs/ampera.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/ampera)
install(FILES ${PROJECT_BINARY_DIR}/ampera.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The desktop entry, made at install time with the installed program's path.
set(desktop_entry ${PROJECT_BINARY_DIR}/install-time/${AMPERA_APP_ID}.desktop)
install(CODE "
  set(AMPERA_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/${AMPERA_APP_ID}.desktop.in\")
  set(AMPERA_DESKTOP_ENTRY \"${desktop_entry}\")
  set(AMPERA_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/desktop_entry.cmake\")")
install(FILES ${desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${AMPERA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The type of the calculation files (*.ampera). The Debian package needs no trigger of its own: shared-mime-info
# (which Qt depends on) declares interest in /usr/share/mime/packages, so dpkg runs its update-mime-database when
# the package puts this file there or removes it. An installation by hand runs `update-mime-database
# <prefix>/share/mime` once, if the desktop does not do so on its own.
install(FILES data/${AMPERA_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${AMPERA_APP_ID}.xml)
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
# The workbook's library is loaded when a network is first exported, so the
# shared-library scan cannot see it. The chart module's Qt Charts it does see:
# the module is an ELF file of the package.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libxlsxwriter4)
# "Отчет" and "Помощь" open their files through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/ampera/ampera)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CPACK_PACKAGE_HOMEPAGE_URL})
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
