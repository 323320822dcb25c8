# What `cmake --install` puts on a desktop and `cpack -G DEB` packs: the
# program (stripped), its menu entry, the house icon in the sizes the icon
# theme looks for (and scalable), what software centres show (AppStream), the
# manual page in English and Russian, the copyright and the changelog.
# Everything else the program needs is embedded in the binary.
include(GNUInstallDirs)

set(TRAINER_VERSION 0.1.0)
# Where the project lives in public: the AppStream id, the home page and
# the screenshots under it (docs/ of the repository), the maintainer of the
# package. Set them for a release, e.g. -DTRAINER_HOMEPAGE=https://...
set(TRAINER_APPSTREAM_ID "example.c_seed_5992df00.PuzzleTrainer" CACHE STRING "AppStream component id (reverse DNS)")
set(TRAINER_HOMEPAGE "https://c-seed-5992df00.example/puzzle-trainer" CACHE STRING "The project's public home page")
set(TRAINER_MAINTAINER "Puzzle trainer maintainers <maintainers@users.noreply.c-seed-5992df00.example>"
    CACHE STRING "Maintainer of the Debian package")

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(packaged ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaged})

if(TARGET puzzle-trainer)
  # Read-only relocations resolved at start, as Debian links its programs.
  target_link_options(puzzle-trainer PRIVATE LINKER:-z,relro LINKER:-z,now)
  install(TARGETS puzzle-trainer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The build keeps its debug information (tens of megabytes); an installed
  # program does not need it, so every install strips, not only --strip,
  # and the compiler's notes go too, as Debian's own stripping does.
  if(CMAKE_STRIP)
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/puzzle-trainer\"
                    RESULT_VARIABLE stripped)
                  if(NOT stripped EQUAL 0)
                    message(FATAL_ERROR \"could not strip the installed puzzle-trainer\")
                  endif()")
  endif()
endif()

install(FILES ${packaging}/puzzle-trainer.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icon/icon${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME puzzle-trainer.png)
endforeach()
foreach(size 64 128 256)
  install(FILES ${packaging}/icons/puzzle-trainer-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME puzzle-trainer.png)
endforeach()
install(FILES ${packaging}/icons/puzzle-trainer.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

configure_file(${packaging}/puzzle-trainer.metainfo.xml.in ${packaged}/${TRAINER_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${packaged}/${TRAINER_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the changelog are installed compressed, without a time
# stamp in the gzip header, so that the same sources give the same package.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed)
foreach(pair "man/puzzle-trainer.6:puzzle-trainer.6.gz" "man/puzzle-trainer.ru.6:puzzle-trainer.ru.6.gz"
             "changelog:changelog.gz")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${packaged}/${target}
                     COMMAND sh -c "'${GZIP_PROGRAM}' -9 -n -c '${packaging}/${source}' > '${packaged}/${target}'"
                     DEPENDS ${packaging}/${source} VERBATIM)
  list(APPEND compressed ${packaged}/${target})
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${compressed})
install(FILES ${packaged}/puzzle-trainer.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaged}/puzzle-trainer.ru.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man6
        RENAME puzzle-trainer.6.gz)
install(FILES ${packaging}/copyright ${packaged}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/puzzle-trainer)

set(CPACK_PACKAGE_NAME puzzle-trainer)
set(CPACK_PACKAGE_VERSION ${TRAINER_VERSION})
set(CPACK_PACKAGE_CONTACT "${TRAINER_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "algorithm trainer for pupils with three logic puzzles")
set(CPACK_PACKAGE_DESCRIPTION
    "A program for school pupils, in Russian, that teaches algorithmic thinking
with three classic logic puzzles: measuring one litre with two jugs, ferrying
a goat, a wolf and a cabbage across a river, and rolling the yellow balls out
of a tube. The pupil writes an algorithm as a list of commands, runs it and
watches it replayed step by step; at the end the pupil's name is appended to
the class's result file, res.txt, in the folder the program was started from.
Every window is drawn by the program's own skin engine.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY puzzle-trainer)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TRAINER_HOMEPAGE}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The dependencies are the runtime libraries the binary links, as
# dpkg-shlibdeps finds them, with the fonts it falls back to. The link label
# opens its address with xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_GENERATOR DEB)
include(CPack)
