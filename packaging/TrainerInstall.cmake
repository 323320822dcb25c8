# What `cmake --install` puts on a desktop and `cpack -G DEB` packs: the
# program, its menu entry and the house icon in the sizes the icon theme
# looks for. Everything else the program needs is embedded in the binary.
include(GNUInstallDirs)

if(TARGET puzzle-trainer)
  install(TARGETS puzzle-trainer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/puzzle-trainer.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icon/icon${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME puzzle-trainer.png)
endforeach()

set(CPACK_PACKAGE_NAME puzzle-trainer)
set(CPACK_PACKAGE_VERSION 0.1.0)
set(CPACK_PACKAGE_CONTACT "Puzzle trainer developers <puzzle-trainer@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Algorithm trainer for pupils: three logic puzzles (Russian UI)")
set(CPACK_PACKAGE_INSTALL_DIRECTORY puzzle-trainer)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The dependencies are the runtime libraries the binary links, as
# dpkg-shlibdeps finds them, with the fonts it falls back to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-dejavu-core")
set(CPACK_GENERATOR DEB)
include(CPack)
