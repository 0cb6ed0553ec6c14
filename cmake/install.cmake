# Installing the game: the executable, its data folder, the desktop entry,
# the icons and the manual page. Every destination is relative, so
# `cmake --install <build> --prefix <anywhere>` and a packager's
# CMAKE_INSTALL_BINDIR / CMAKE_INSTALL_DATADIR both work; the game finds its
# data folder relative to its own location.
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
  "${QZ_DATA_DIR}/Souvenir Bold Italic.ttf"
  "${QZ_DATA_DIR}/Souvenir Bold Italic - LICENSE.txt"
  DESTINATION "${QZ_INSTALL_DATA_SUBDIR}")

# Desktop integration goes where desktops look for it, even when a packager
# moves the game's own data (CMAKE_INSTALL_DATADIR=share/games).
install(FILES "${PROJECT_SOURCE_DIR}/data/quillo-zoruri.desktop"
  DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
foreach(size 48x48 128x128)
  install(FILES "${QZ_DATA_DIR}/icons/${size}/quillo-zoruri.png"
    DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}/apps")
endforeach()

install(FILES "${PROJECT_SOURCE_DIR}/man/quillo-zoruri.6"
  DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
