# Install layout of a Debian desktop application, and the .deb built from it.
include(GNUInstallDirs)

# Installing and packaging need the program alone, not every test and benchmark.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(VITRALOG_APP_ID fr.vitralog.Vitralog)
set(VITRALOG_RES ${CMAKE_SOURCE_DIR}/resources)

install(TARGETS vitralog RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET vitralog_vueweb)
  install(TARGETS vitralog_vueweb LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/vitralog)
endif()
install(TARGETS vitralog_graphiques LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/vitralog)
install(FILES ${VITRALOG_RES}/${VITRALOG_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VITRALOG_RES}/${VITRALOG_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VITRALOG_RES}/${VITRALOG_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 64 128 256)
  install(FILES ${VITRALOG_RES}/icons/${VITRALOG_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${VITRALOG_APP_ID}.png)
endforeach()
install(FILES ${VITRALOG_RES}/vitralog.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian looks for the licence and the documentation under the package's own name.
set(VITRALOG_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/vitralog)
install(FILES ${VITRALOG_RES}/copyright DESTINATION ${VITRALOG_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md DESTINATION ${VITRALOG_DOCDIR} OPTIONAL)
file(GLOB VITRALOG_DOC_PICTURES ${CMAKE_SOURCE_DIR}/docs/*.png)
install(FILES ${VITRALOG_DOC_PICTURES} DESTINATION ${VITRALOG_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vitralog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vitralog <vitralog@vitralog.fr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logbook for the French cathedrals award (DCF)")
set(CPACK_PACKAGE_DESCRIPTION "Vitralog is a desktop logbook for radio amateurs who chase the DCF award:
contacts with stations operating from French cathedrals and basilicas.
Each QSO is typed and checked field by field; the program shows award
progress and lists, a map of the départements, searches the log and
exports it as ADIF. Its windows and messages are in French.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.vitralog.fr/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Printing asks for "Courier New", which Liberation Mono stands in for; Qt's own
# dialogs are French only with the Qt translations; the radio is read through
# Hamlib's rigctld.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libhamlib-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
