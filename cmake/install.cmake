# Installs the programs as one program folder, laid out like the build's bin/, with launchers in
# bin/, and packs it as a Debian package (cpack -G DEB).
set(PAGORANTO_INSTALL_FOLDER lib/pagoranto)
set(PAGORANTO_APP_ID org.pagoranto.Pagoranto)

install(TARGETS pagoranto pagoranto-batch pagoranto-askpass RUNTIME DESTINATION ${PAGORANTO_INSTALL_FOLDER})
install(TARGETS PagorantoThumbNailer RUNTIME DESTINATION ${PAGORANTO_INSTALL_FOLDER}/thumbnailer)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${PAGORANTO_INSTALL_FOLDER})
# The programs find their folder from their own resolved path, so the launchers are links.
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  foreach(program pagoranto pagoranto-batch)
    file(CREATE_LINK ../${PAGORANTO_INSTALL_FOLDER}/\${program} \"\${bin}/\${program}\" SYMBOLIC)
  endforeach()
")

set(dist ${PROJECT_SOURCE_DIR}/dist)
configure_file(${dist}/${PAGORANTO_APP_ID}.metainfo.xml
               ${PROJECT_BINARY_DIR}/dist/${PAGORANTO_APP_ID}.metainfo.xml @ONLY)
configure_file(${dist}/pagoranto-batch.1 ${PROJECT_BINARY_DIR}/dist/pagoranto-batch.1 @ONLY)
install(FILES ${dist}/${PAGORANTO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PROJECT_BINARY_DIR}/dist/${PAGORANTO_APP_ID}.metainfo.xml
        DESTINATION share/metainfo)
install(FILES ${PROJECT_BINARY_DIR}/dist/pagoranto-batch.1 DESTINATION share/man/man1)
install(FILES ${dist}/icons/${PAGORANTO_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 64 128 256)
  install(FILES ${dist}/icons/${PAGORANTO_APP_ID}-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${PAGORANTO_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pagoranto)
set(CPACK_PACKAGE_VENDOR "Pagoranto")
set(CPACK_PACKAGE_CONTACT "Pagoranto developers <developers@pagoranto.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turns a folder of JPEG photos into a static HTML gallery")
set(CPACK_PACKAGE_DESCRIPTION "Pagoranto makes a web gallery from the photos of a folder: \
numbered pages with navigation, thumbnails and descriptions, from HTML layouts whose commands \
say what a page holds. pagoranto-batch makes the same galleries from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Started by Qt WebEngine, not linked, so the library scan cannot find it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin")
include(CPack)
