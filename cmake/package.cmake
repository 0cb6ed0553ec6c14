# The Debian package, made with CPack's DEB generator (scripts/package sets
# the Debian layout and turns QZ_DEBIAN_PACKAGE on, which adds the package's
# copyright, changelog and lintian notes). The dependencies come from
# dpkg-shlibdeps reading the executable; nothing is listed by hand.

set(QZ_MAINTAINER "Seed 3d227a2c maintainers <maintainers@users.noreply.c-seed-3d227a2c.example>")
set(QZ_HOMEPAGE "https://github.com/quillozoruri/quillo-zoruri")
set(QZ_DEBIAN_REVISION 1)
set(QZ_DEBIAN_VERSION "${PROJECT_VERSION}-${QZ_DEBIAN_REVISION}")

if(QZ_DEBIAN_PACKAGE)
  set(QZ_PACKAGE_DIR "${CMAKE_BINARY_DIR}/package")
  set(QZ_DOC_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/quillo-zoruri")

  configure_file(packaging/changelog.in "${QZ_PACKAGE_DIR}/changelog.Debian" @ONLY)
  qz_gzip("${QZ_PACKAGE_DIR}/changelog.Debian" "${QZ_PACKAGE_DIR}/changelog.Debian.gz")

  configure_file(packaging/copyright.in "${QZ_PACKAGE_DIR}/copyright.game" @ONLY)
  add_custom_command(OUTPUT "${QZ_PACKAGE_DIR}/copyright"
    COMMAND ${CMAKE_COMMAND} -DGAME=${QZ_PACKAGE_DIR}/copyright.game
      -DFONT=${QZ_FONT_LICENSE} "-DFONT_FILE=Souvenir Bold Italic.*"
      -DOUTPUT=${QZ_PACKAGE_DIR}/copyright
      -P ${PROJECT_SOURCE_DIR}/cmake/debian_copyright.cmake
    DEPENDS "${QZ_PACKAGE_DIR}/copyright.game" "${QZ_FONT_LICENSE}"
      "${PROJECT_SOURCE_DIR}/cmake/debian_copyright.cmake"
    VERBATIM)
  add_custom_target(package-documents ALL
    DEPENDS "${QZ_PACKAGE_DIR}/changelog.Debian.gz" "${QZ_PACKAGE_DIR}/copyright")

  install(FILES "${QZ_PACKAGE_DIR}/copyright" "${QZ_PACKAGE_DIR}/changelog.Debian.gz"
    DESTINATION "${QZ_DOC_DIR}")
  install(FILES packaging/lintian-overrides
    DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides" RENAME quillo-zoruri)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillo-zoruri)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QZ_DEBIAN_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_PACKAGE_CONTACT "${QZ_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QZ_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QZ_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "help a stranded alien find its phone and call its ship home
Quillo, a small alien, has been left behind on Earth. Its phone lies in
three pieces somewhere in the invisible holes of the countryside, and only
a working phone can call the ship home.

Walk Quillo through the Forest, four areas of fields and Washington DC,
search the holes, and escape an FBI agent and a scientist with the help of
the boy Jorrin. A 2D keyboard adventure in an 800 x 600 window.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Stripped as Debian's dh_strip strips, compiler notes included.
set(CPACK_QZ_STRIP "${CMAKE_STRIP}")
set(CPACK_QZ_EXECUTABLE_DIR "${CMAKE_INSTALL_FULL_BINDIR}")
set(CPACK_PRE_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/strip_executables.cmake")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
