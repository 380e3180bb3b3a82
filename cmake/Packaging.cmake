# The Debian package, made by `make package` (CPack's DEB generator) from the
# normal build, with stripped binaries. It holds what `cmake --install` puts
# under the prefix except the program in bin/, and adds what a Debian system
# expects: the program in /usr/games, the copyright and changelog files, and
# the folder of the shared Halls of Fame and Shame.

set(VORKA_MAINTAINER "Tolvane Studios <vorka@tolvane.org>" CACHE STRING
    "Maintainer of the Debian package, as \"Name <address>\"")
set(VORKA_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/cmake/debian)
set(VORKA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vorka)

# The copyright file, in Debian's machine-readable format, from LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/LICENSE)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.*[^\n])\n*$")
    message(FATAL_ERROR "LICENSE has no \"Copyright (c) <year> <holder>\" line before its text")
endif()
set(copyright_holder "${CMAKE_MATCH_1}")
string(REPLACE "\n\n" "\n.\n" license_text "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " license_text "${license_text}")
file(WRITE ${PROJECT_BINARY_DIR}/debian/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Vorka
Upstream-Contact: ${VORKA_MAINTAINER}

Files: *
Copyright: ${copyright_holder}
License: Expat
 ${license_text}
")

# The changelog: NEWS's releases as Debian changelog entries. The package is
# Debian-native (its version has no Debian revision), so the file is
# changelog.gz.
set(changelog "")
math(EXPR last_release "${VORKA_NEWS_COUNT} - 1")
foreach(i RANGE ${last_release})
    vorka_rfc2822_date(when ${VORKA_NEWS_${i}_DATE})
    if(i GREATER 0)
        string(APPEND changelog "\n")
    endif()
    string(APPEND changelog
        "vorka (${VORKA_NEWS_${i}_VERSION}) unstable; urgency=medium\n\n"
        "${VORKA_NEWS_${i}_CHANGELOG}\n"
        " -- ${VORKA_MAINTAINER}  ${when}\n")
endforeach()
file(WRITE ${PROJECT_BINARY_DIR}/debian/changelog "${changelog}")
add_custom_command(OUTPUT debian/changelog.gz
    COMMAND gzip -9nc debian/changelog > debian/changelog.gz
    DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog
    COMMENT "Compressing the Debian changelog")
add_custom_target(vorka_debian_changelog ALL DEPENDS debian/changelog.gz)

# What only the package installs. EXCLUDE_FROM_ALL keeps it out of a plain
# `cmake --install`, which never touches /var.
install(TARGETS vorka RUNTIME DESTINATION games COMPONENT Debian EXCLUDE_FROM_ALL)
# The shared Halls' writer, set-group-id games (after CPack, below): the one
# program that writes /var/games/vorka. Only the package has it; without it
# the game writes its store itself, as a plain install does.
install(TARGETS vorka-halls RUNTIME DESTINATION lib/games/vorka COMPONENT Debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${VORKA_DOC_DIR} COMPONENT Debian EXCLUDE_FROM_ALL)
# Owned by the package; postinst gives it to the group games with mode 2775
# and makes the store and its journal there for the writer.
install(DIRECTORY DESTINATION /var/games/vorka COMPONENT Debian EXCLUDE_FROM_ALL)

# The files every install gets (the unnamed component) and the package's own;
# not the program in bin/.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified Debian)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorka)
set(CPACK_PACKAGE_VENDOR "Tolvane Studios")
set(CPACK_PACKAGE_CONTACT "${VORKA_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORKA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice game for one or more players sharing one computer")
set(CPACK_PACKAGE_DESCRIPTION
"Vorka is a dice game for one player or for several who take turns at the
same computer. Every player has a board with five dice, a Roll button and a
score card of fifteen categories. In a turn you roll the dice up to three
times, all five or one die at a time, and then score them in a free category.
When every card is full the game names the winner, and every final score is
offered to the Hall of Fame and the Hall of Shame, which all the players of
the computer share through a small set-group-id program: no player needs to
be in the group games.")

# The libraries the program links (Qt SVG, libpulse and libsndfile among them), found by
# dpkg-shlibdeps, and what the program loads or uses without linking it: Qt's
# SQLite driver for the Halls, the platform plugins, and the fonts that stand
# in for the ones the game was drawn with (src/ui/Fonts.cpp).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core, fonts-dejavu-extra, fonts-comfortaa")
# The sounds are played through the desktop's sound server; without one the
# game is silent, nothing more.
# Qt's Wayland plugin: on a Wayland desktop the game then runs as a Wayland
# client, sharp at any scale; without it, it runs through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio, qt6-wayland")

set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${VORKA_DEBIAN_DIR}/postinst ${VORKA_DEBIAN_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_POST_BUILD_SCRIPTS ${VORKA_DEBIAN_DIR}/setgid-writer.cmake)

include(CPack)
