# Installing the game: the executable, its data folder, the desktop entry,
# the software-centre entry, the icons and the manual page. Every destination
# is relative, so `cmake --install <build> --prefix <anywhere>` and a
# packager's CMAKE_INSTALL_BINDIR / CMAKE_INSTALL_DATADIR both work; the game
# finds its data folder relative to its own location.
include(GNUInstallDirs)

set(QZ_INSTALL_DATA_SUBDIR "${CMAKE_INSTALL_DATADIR}/quillo-zoruri")

install(TARGETS quillo-zoruri RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

install(DIRECTORY "${QZ_DATA_DIR}/graphics/"
  DESTINATION "${QZ_INSTALL_DATA_SUBDIR}/graphics"
  FILES_MATCHING PATTERN "*.bmp")
install(FILES
  "${QZ_DATA_DIR}/ufo-sound.wav"
  "${QZ_DATA_DIR}/drop.wav"
  "${QZ_DATA_DIR}/crunko-piece.wav"
  "${QZ_DATA_DIR}/quillo-theme.wav"
  "${QZ_DATA_DIR}/assist-piece-found.wav"
  "${QZ_DATA_DIR}/assist-piece-taken.wav"
  "${QZ_DATA_DIR}/assist-capture.wav"
  "${QZ_DATA_DIR}/assist-flower.wav"
  "${QZ_DATA_DIR}/assist-jorrin.wav"
  "${QZ_DATA_DIR}/assist-ship-called.wav"
  "${QZ_DATA_DIR}/assist-win.wav"
  "${QZ_DATA_DIR}/assist-loss.wav"
  DESTINATION "${QZ_INSTALL_DATA_SUBDIR}")

# The font is OpenType: it is installed under the name that says so, and the
# name the game opens points to it. The Debian package carries the font's
# licence in its copyright file; other installs keep it beside the font.
install(FILES "${QZ_DATA_DIR}/Souvenir Bold Italic.ttf"
  DESTINATION "${QZ_INSTALL_DATA_SUBDIR}" RENAME "Souvenir Bold Italic.otf")
install(CODE "file(CREATE_LINK \"Souvenir Bold Italic.otf\"
  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QZ_INSTALL_DATA_SUBDIR}/Souvenir Bold Italic.ttf\"
  SYMBOLIC)")
if(NOT QZ_DEBIAN_PACKAGE)
  install(FILES "${QZ_DATA_DIR}/Souvenir Bold Italic - LICENSE.txt"
    DESTINATION "${QZ_INSTALL_DATA_SUBDIR}")
endif()

# Desktop integration goes where desktops look for it, even when a packager
# moves the game's own data (CMAKE_INSTALL_DATADIR=share/games): the desktop
# entry, and the software centres' entry named after it.
set(QZ_APP_ID io.github.quillozoruri.quillo_zoruri)
install(FILES "${PROJECT_SOURCE_DIR}/data/${QZ_APP_ID}.desktop"
  DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/data/${QZ_APP_ID}.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/metainfo")
foreach(size 48x48 128x128)
  install(FILES "${QZ_DATA_DIR}/icons/${size}/quillo-zoruri.png"
    DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}/apps")
endforeach()

# An example of the player's settings file, beside the other documents.
install(FILES "${PROJECT_SOURCE_DIR}/docs/settings.conf.example"
  DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/quillo-zoruri")

# Manual pages go compressed, as man and Debian expect them, and without a
# name or time stamp in the header so the same sources give the same file.
function(qz_gzip source output)
  add_custom_command(OUTPUT "${output}"
    COMMAND sh -c "gzip -9n <\"$1\" >\"$2\"" sh "${source}" "${output}"
    DEPENDS "${source}"
    VERBATIM)
endfunction()

set(QZ_MANUAL_PAGE "${CMAKE_BINARY_DIR}/quillo-zoruri.6.gz")
qz_gzip("${PROJECT_SOURCE_DIR}/man/quillo-zoruri.6" "${QZ_MANUAL_PAGE}")
add_custom_target(manual-page ALL DEPENDS "${QZ_MANUAL_PAGE}")
install(FILES "${QZ_MANUAL_PAGE}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
