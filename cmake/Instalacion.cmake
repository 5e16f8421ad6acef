# What `cmake --install` puts on a system, and the Debian package built from it
# with `cpack -G DEB`. Only the program, the command-line calculator torvel-calc
# beside it, the desktop entry, the icon and the licence are installed: the
# static libraries, tests and benchmarks stay in the build tree.
include(GNUInstallDirs)

# qt_standard_project_setup() gives executables an $ORIGIN run path for
# libraries installed beside them. We install none, and a packaged binary must
# find Qt in the system folders only.
set_target_properties(torvel torvel-calc PROPERTIES INSTALL_RPATH "")
install(TARGETS torvel torvel-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/torvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The same drawings the program uses for its window icon, named after the
# program so that the desktop entry's Icon=torvel finds them in the hicolor theme.
set(torvel_iconos ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/src/resources/icono-32.png
        DESTINATION ${torvel_iconos}/32x32/apps RENAME torvel.png)
install(FILES ${PROJECT_SOURCE_DIR}/src/resources/icono-64.png
        DESTINATION ${torvel_iconos}/64x64/apps RENAME torvel.png)
install(FILES ${PROJECT_SOURCE_DIR}/src/resources/icono.svg
        DESTINATION ${torvel_iconos}/scalable/apps RENAME torvel.svg)

# The licence, where Debian keeps every package's: /usr/share/doc/torvel/copyright.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. It always installs under /usr, whatever prefix the build
# was configured with; the architecture is the one dpkg reports, and the
# dependencies are the ones dpkg-shlibdeps reads off the binary, so they follow
# the Qt actually linked instead of a list kept by hand.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "torvel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Torvel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for steady flow in open channels")
set(CPACK_PACKAGE_DESCRIPTION "\
Torvel solves steady flow in prismatic open channels of rectangular, \
trapezoidal or circular section. It computes the critical and normal depths, \
the critical slope, the alternate and conjugate depths, and the gradually \
varied water surface profile by Runge-Kutta integration or by the direct step \
method, drawn against the critical and normal depths. \
The interface is in Spanish or English. The command torvel-calc gives the \
same results to scripts, as text, CSV or JSON, for single channels, rating \
tables and batches of channels read from a CSV file.")
# The build keeps its debugging symbols; the installed program does not need them.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Torvel developers <torvel@example.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs in Spanish; without it they stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
