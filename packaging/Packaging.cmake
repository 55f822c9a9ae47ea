# The installed layout and the Debian packages (cmake --build build --target package,
# or scripts/package.sh):
#   zort        zortwyp, zortdb, the launcher zort-wypadki with its menu entry and
#               icon, the help pages (share/zort/help), the reference code lists
#   zort-tools  zortbench
# The program finds its help pages at ../share/zort/help from its own folder; in the
# build tree bin/help leads to the sources' help folder.
include(GNUInstallDirs)

set(ZORT_PKG ${CMAKE_SOURCE_DIR}/packaging)

add_custom_target(zort_help_link ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
  COMMAND ${CMAKE_COMMAND} -E create_symlink ${CMAKE_SOURCE_DIR}/help ${CMAKE_BINARY_DIR}/bin/help
  COMMENT "Linking the help pages beside the built program" VERBATIM)

set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME main)
install(TARGETS zortwyp zortdb RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT main)
install(TARGETS zortbench RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)
install(PROGRAMS ${ZORT_PKG}/zort-wypadki DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT main)
install(FILES ${ZORT_PKG}/zort-wypadki.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT main)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${ZORT_PKG}/icons/zort-wypadki-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME zort-wypadki.png COMPONENT main)
endforeach()
install(FILES ${ZORT_PKG}/icons/zort-wypadki.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT main)
set(ZORT_HELP_DIR ${CMAKE_SOURCE_DIR}/help CACHE PATH "The help pages that are installed")
if(EXISTS ${ZORT_HELP_DIR})
  install(DIRECTORY ${ZORT_HELP_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zort/help COMPONENT main
    FILES_MATCHING PATTERN "*.html" PATTERN "*.css" PATTERN "*.png" PATTERN "*.svg")
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/reference/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zort/reference COMPONENT main)

# The documentation folder of each package: README, copyright, compressed changelog.
set(ZORT_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${ZORT_CHANGELOG_GZ}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND sh -c "gzip -9nc '${ZORT_PKG}/changelog' > '${ZORT_CHANGELOG_GZ}'"
  DEPENDS ${ZORT_PKG}/changelog VERBATIM)
add_custom_target(zort_changelog ALL DEPENDS ${ZORT_CHANGELOG_GZ})
foreach(pkg zort zort-tools)
  if(pkg STREQUAL "zort")
    set(comp main)
  else()
    set(comp tools)
  endif()
  install(FILES ${ZORT_PKG}/copyright ${ZORT_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${pkg} COMPONENT ${comp})
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zort COMPONENT main)

# The manual pages, compressed as Debian wants them.
set(ZORT_MAN_GZ)
foreach(page zortwyp zort-wypadki zortdb zortbench)
  set(gz ${CMAKE_BINARY_DIR}/packaging/${page}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "gzip -9nc '${ZORT_PKG}/man/${page}.1' > '${gz}'"
    DEPENDS ${ZORT_PKG}/man/${page}.1 VERBATIM)
  list(APPEND ZORT_MAN_GZ ${gz})
  if(page STREQUAL "zortbench")
    install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tools)
  else()
    install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT main)
  endif()
endforeach()
add_custom_target(zort_manpages ALL DEPENDS ${ZORT_MAN_GZ})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zort)
set(CPACK_PACKAGE_VENDOR "ZORT")
set(CPACK_PACKAGE_CONTACT "ZORT <zort@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_COMPONENTS_ALL main tools)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_MAIN_PACKAGE_NAME zort)
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME zort-tools)
set(CPACK_DEBIAN_MAIN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION misc)
# What no scan of the libraries finds: the engine the embedded database runs on, Qt's
# Firebird driver, its platform plugins and Polish texts, and the desktop's file opener.
set(CPACK_DEBIAN_MAIN_PACKAGE_DEPENDS
  "firebird3.0-server-core, libqt6sql6-ibase, qt6-qpa-plugins, qt6-translations-l10n, xdg-utils, fonts-liberation2 | fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "zort (= ${PROJECT_VERSION})")
# The synopsis, then the extended description (CPack indents its lines).
set(CPACK_DEBIAN_MAIN_DESCRIPTION "register of accidents at work
The accident register of the ZORT occupational-safety suite: accidents at
work and on the way to or from work with their injured persons, the
post-accident protocol, the accident card and the statistical accident card,
attachments, printouts and PDF files, the data test and yearly summaries.
The help of every window is included (F1). The menu entry Rejestr wypadkow
prepares a demo database in the user's folder on the first start.")
set(CPACK_DEBIAN_TOOLS_DESCRIPTION "benchmarks of the ZORT accident register
zortbench times the register's database work, dictionaries, summaries,
printouts and PDF export on generated data.")
include(CPack)
