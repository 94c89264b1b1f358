# Where an installed game lives: the program in games (as Debian keeps games;
# the menu entry names it by its full path), with a link to it in bin under any
# prefix but /usr; its default files and its handbook in share/tandrel (found
# there by the program), the menu entry, AppStream data, hicolor icons and a
# manual page under their shared id.
include(GNUInstallDirs)
set(TANDREL_APP_ID io.github.tandrel.Tandrel)
set(dist ${CMAKE_SOURCE_DIR}/dist)

install(TARGETS tandrel RUNTIME DESTINATION games)
# games is not on the PATH under every prefix (~/.local/games never is): a link
# in bin, from where the program still finds its files (it follows
# /proc/self/exe). The Debian package, under /usr, keeps to /usr/games, which
# is on the PATH.
install(CODE [[
  if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    message(STATUS "Installing: $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/tandrel -> ../games/tandrel")
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
    file(CREATE_LINK ../games/tandrel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/tandrel" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_PREFIX}/bin/tandrel")
  endif()
]])
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/beside/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tandrel)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/handbook/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tandrel/handbook)
# Written at install time, when the prefix is known (cpack installs to /usr).
install(CODE "
  set(TANDREL_EXEC \"\${CMAKE_INSTALL_PREFIX}/games/tandrel\")
  configure_file(\"${dist}/${TANDREL_APP_ID}.desktop.in\" \"${CMAKE_BINARY_DIR}/dist/${TANDREL_APP_ID}.desktop\" @ONLY)")
install(FILES ${CMAKE_BINARY_DIR}/dist/${TANDREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist}/${TANDREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/tandrel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${TANDREL_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/tandrel.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TANDREL_APP_ID}.svg)

# Manual page and changelog compressed without a time stamp, so the package is reproducible.
foreach(from tandrel.6 changelog)
  set(to ${CMAKE_BINARY_DIR}/dist/${from}.gz)
  add_custom_command(OUTPUT ${to}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
    COMMAND gzip -9n -c ${dist}/${from} > ${to}
    DEPENDS ${dist}/${from} VERBATIM)
  list(APPEND compressed ${to})
endforeach()
add_custom_target(tandrel_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/dist/tandrel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${dist}/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
