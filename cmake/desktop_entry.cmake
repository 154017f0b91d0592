# Run at install time (see install.cmake): writes the desktop entry from its
# template with Exec set to the installed program's absolute path, so that the
# menu starts it whether or not its folder is on PATH. The prefix is known
# only now (cmake --install --prefix, cpack).
#   in: AMPERA_DESKTOP_TEMPLATE, AMPERA_DESKTOP_ENTRY, AMPERA_BINDIR
if(IS_ABSOLUTE "${AMPERA_BINDIR}")
  set(CMAKE_INSTALL_FULL_BINDIR "${AMPERA_BINDIR}")
else()
  set(CMAKE_INSTALL_FULL_BINDIR "${CMAKE_INSTALL_PREFIX}/${AMPERA_BINDIR}")
endif()
set(exec "${CMAKE_INSTALL_FULL_BINDIR}/ampera")
# A path with a character the entry's command line reserves is quoted, as the
# freedesktop.org desktop entry format requires; a backslash is then escaped once more as
# in every string value, and a percent sign is doubled.
if(NOT exec MATCHES "^[A-Za-z0-9_./+,:@%-]+$")
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\"" "\\\"" exec "${exec}")
  string(REPLACE "`" "\\`" exec "${exec}")
  string(REPLACE "$" "\\$" exec "${exec}")
  string(REPLACE "\\" "\\\\" exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" AMPERA_EXEC "${exec}")
configure_file("${AMPERA_DESKTOP_TEMPLATE}" "${AMPERA_DESKTOP_ENTRY}" @ONLY)
