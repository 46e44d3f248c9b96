# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install`: the two programs, the data directory, the desktop entry, the icon,
# the AppStream metainfo, the manual pages and the licence; `make package` builds a .deb.
include(GNUInstallDirs)

set(KH_HOMEPAGE "https://kartenhaus.org" CACHE STRING "the project's web page, for the metainfo")
set(KH_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/kartenhaus)
set(KH_APP_ID org.kartenhaus.Kartenhaus)
# The program finds its data relative to itself, so that a relocated install still works.
file(RELATIVE_PATH KH_DATADIR_FROM_BINDIR
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${KH_INSTALL_DATADIR})
target_compile_definitions(kartenhaus PRIVATE
  KH_DATADIR_FROM_BINDIR="${KH_DATADIR_FROM_BINDIR}"
  KH_INSTALL_FULL_DATADIR="${CMAKE_INSTALL_FULL_DATADIR}/kartenhaus")

install(TARGETS kartenhaus RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The intro module in the program's library folder, found relative to the program too.
set(KH_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/kartenhaus)
file(RELATIVE_PATH KH_MODULEDIR_FROM_BINDIR
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${KH_INSTALL_MODULEDIR})
target_compile_definitions(kartenhaus_engine PRIVATE
  KH_MODULEDIR_FROM_BINDIR="${KH_MODULEDIR_FROM_BINDIR}")
if(TARGET kartenhaus_intro)
  install(TARGETS kartenhaus_intro LIBRARY DESTINATION ${KH_INSTALL_MODULEDIR})
endif()
if(TARGET kartenhaus-cli)
  install(TARGETS kartenhaus-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Only the data the build made: files the program may have written into build/data on a
# test run (settings, statistics, game folders) stay behind.
set(kh_data ${CMAKE_BINARY_DIR}/data)
install(CODE "
  file(GLOB kh_data_files LIST_DIRECTORIES false
    \"${kh_data}/*.gob\" \"${kh_data}/*.kat\" \"${kh_data}/*.typ\" \"${kh_data}/*.lng\"
    \"${kh_data}/intro.avi\" \"${kh_data}/kartenhaus.png\")
  file(INSTALL \${kh_data_files} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${KH_INSTALL_DATADIR}\")
  file(GLOB kh_music LIST_DIRECTORIES false \"${kh_data}/musik/*.mp3\")
  file(INSTALL \${kh_music} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${KH_INSTALL_DATADIR}/musik\")
")

set(kh_pkg ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${kh_pkg}/${KH_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${kh_pkg}/${KH_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${KH_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${KH_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
set(KH_INSTALL_FULL_DATADIR_TEXT ${CMAKE_INSTALL_FULL_DATADIR}/kartenhaus)
foreach(page kartenhaus.6 kartenhaus-cli.6)
  file(READ ${kh_pkg}/${page} text)
  string(REPLACE "@PROJECT_VERSION@" "${PROJECT_VERSION}" text "${text}")
  string(REPLACE "@KH_INSTALL_DATADIR@" "${KH_INSTALL_FULL_DATADIR_TEXT}" text "${text}")
  file(WRITE ${CMAKE_BINARY_DIR}/packaging/${page} "${text}")
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kartenhaus
  RENAME copyright)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kartenhaus)
set(CPACK_PACKAGE_VENDOR "The Kartenhaus developers")
set(CPACK_PACKAGE_CONTACT "The Kartenhaus developers <kartenhaus@kartenhaus.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solitaire card games with a German and an English interface")
set(CPACK_PACKAGE_DESCRIPTION "Kartenhaus is a collection of 41 solitaire (patience) card games:
Klondike, FreeCell, Spider, Yukon, Golf and many more, with rules texts,
statistics, highscores, unlimited undo and animated themed tables.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KH_HOMEPAGE})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
