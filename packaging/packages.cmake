# Four Debian packages from the install rules, one per install component:
#   dalcal          the programs and their files
#   libdalcal1      the shared library (libdalcal.so.1)
#   libdalcal-dev   what a program built against it needs
#   python3-dalcal  the Python module
# Built with cpack -G DEB (scripts/package-test.sh checks them with lintian).
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL dalcal libdalcal1 libdalcal-dev python3-dalcal)
set(CPACK_PACKAGE_NAME dalcal)
set(CPACK_PACKAGE_VENDOR "dalcal")
set(CPACK_PACKAGE_CONTACT "dalcal developers <dalcal@users.noreply.github.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installed under DESTDIR with the prefix itself, so that what an install rule
# writes of its prefix (dalcal.pc) is /usr.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the libraries each binary links, found by dpkg-shlibdeps
set(exact_version "${PROJECT_VERSION}")

set(CPACK_DEBIAN_DALCAL_PACKAGE_NAME dalcal)
set(CPACK_DEBIAN_DALCAL_PACKAGE_SECTION utils)
set(CPACK_COMPONENT_DALCAL_DESCRIPTION "Korean month calendar with stem-branch names and lunar dates
dalcal prints month calendars in Korean: each day with its stem-branch
(ganji) name and its lunar date, either from Korea's official lunisolar
calendar (KASI's almanac of the lunar years 1391-2050, computed from the
Sun and the Moon to 2100) or from the classic table of 1900-2049, with
Korea's public holidays and the 24 solar terms. A desktop window (dalcal)
and a terminal program (dalcal-print) that also turns lunar dates into
Gregorian ones.")
# What no library link shows: Qt's window-system plugins and the font the
# calendar's columns are measured in.
set(CPACK_DEBIAN_DALCAL_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-nanum-coding, fonts-nanum")
# Emoji in the user's own texts, drawn on the printed page and in the window.
set(CPACK_DEBIAN_DALCAL_PACKAGE_RECOMMENDS "fonts-noto-color-emoji")

# The opening of the three library packages' descriptions.
set(library_paragraph "libdalcal gives other programs what dalcal knows: Korea's lunisolar
calendar as KASI publishes it (lunar years 1391-2050, computed from the Sun
and the Moon to 2100) or the classic table of 1900-2049, conversions both
ways, the stem-branch names of years, months and days, the 24 solar terms to
the minute and Korea's public holidays, behind a stable C interface.")

set(CPACK_DEBIAN_LIBDALCAL1_PACKAGE_NAME libdalcal1)
set(CPACK_DEBIAN_LIBDALCAL1_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_LIBDALCAL1_DESCRIPTION "Korea's lunar calendar, solar terms and holidays (shared library)
${library_paragraph}
.
This package holds the shared library.")
# Its control files, as Debian's tools would write them: the ldconfig trigger,
# the shlibs file and the symbols file, which names the version each function
# came with. (CPack's own shlibs option would call ldconfig from maintainer
# scripts, which Debian has replaced by the trigger.)
set(extra)
foreach(file shlibs symbols triggers)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/libdalcal1.${file} ${CMAKE_BINARY_DIR}/packaging/libdalcal1/${file} COPYONLY)
  list(APPEND extra ${CMAKE_BINARY_DIR}/packaging/libdalcal1/${file})
endforeach()
set(CPACK_DEBIAN_LIBDALCAL1_PACKAGE_CONTROL_EXTRA "${extra}")
# The autostart entry in /etc/xdg is the administrator's to change: a conffile.
configure_file(${CMAKE_CURRENT_LIST_DIR}/dalcal.conffiles ${CMAKE_BINARY_DIR}/packaging/dalcal/conffiles COPYONLY)
set(CPACK_DEBIAN_DALCAL_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/packaging/dalcal/conffiles)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/without-ldconfig-scripts.cmake)
set(CPACK_DEBIAN_LIBDALCAL1_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_LIBDALCAL-DEV_PACKAGE_NAME libdalcal-dev)
set(CPACK_DEBIAN_LIBDALCAL-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBDALCAL-DEV_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_LIBDALCAL-DEV_PACKAGE_DEPENDS "libdalcal1 (= ${exact_version})")
set(CPACK_COMPONENT_LIBDALCAL-DEV_DESCRIPTION "Korea's lunar calendar, solar terms and holidays (development files)
${library_paragraph}
.
This package holds the header, the pkg-config file, the CMake package and
the manual page dalcal(3).")

set(CPACK_DEBIAN_PYTHON3-DALCAL_PACKAGE_NAME python3-dalcal)
set(CPACK_DEBIAN_PYTHON3-DALCAL_PACKAGE_SECTION python)
# The module is built for Debian 12's Python, 3.11; zoneinfo reads tzdata.
set(CPACK_DEBIAN_PYTHON3-DALCAL_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PYTHON3-DALCAL_PACKAGE_DEPENDS
    "libdalcal1 (= ${exact_version}), libc6 (>= 2.34), python3 (>= 3.11~), python3 (<< 3.12), tzdata")
set(CPACK_COMPONENT_PYTHON3-DALCAL_DESCRIPTION "Korea's lunar calendar, solar terms and holidays (Python 3 module)
${library_paragraph}
.
This package holds the Python 3 module dalcal (import dalcal).")
include(CPack)
