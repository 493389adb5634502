# What the game installs beside its programs and data, and the Debian package made of it all
# (scripts/package). Included from the top CMakeLists.txt once OMAHA_INSTALL_* are set.

# The changelog's latest entry is the release the package says it is: a new version in project()
# needs its entry first.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/changelog changelogTop LIMIT_COUNT 1)
if(NOT changelogTop MATCHES "^omaha \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "data/changelog begins \"${changelogTop}\", "
                        "not an entry for omaha ${PROJECT_VERSION}")
endif()

# Debian keeps manual pages and changelogs compressed at gzip's best, without a time stamp, so
# that the same sources make the same package.
set(OMAHA_PACKAGE_FILES ${PROJECT_BINARY_DIR}/package)
set(OMAHA_MAN_PAGES ${OMAHA_PACKAGE_FILES}/omaha.6 ${OMAHA_PACKAGE_FILES}/omaha-sim.6)
configure_file(${PROJECT_SOURCE_DIR}/ui/omaha.6 ${OMAHA_PACKAGE_FILES}/omaha.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/tools/omaha-sim.6 ${OMAHA_PACKAGE_FILES}/omaha-sim.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/changelog ${OMAHA_PACKAGE_FILES}/changelog COPYONLY)
set(compressed "")
foreach(file ${OMAHA_MAN_PAGES} ${OMAHA_PACKAGE_FILES}/changelog)
    add_custom_command(OUTPUT ${file}.gz
                       COMMAND gzip -9nkf ${file}
                       DEPENDS ${file}
                       VERBATIM)
    list(APPEND compressed ${file}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})

install(FILES ${OMAHA_PACKAGE_FILES}/omaha.6.gz ${OMAHA_PACKAGE_FILES}/omaha-sim.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${OMAHA_PACKAGE_FILES}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/omaha)

# The package installs under the prefix the build was configured for, the one whose data folder
# the game looks in: the gcc preset's /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME omaha)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "The Omaha developers <maintainers@users.noreply.c-seed-045fd781.example>")
# The libraries the programs link come from dpkg-shlibdeps; what the game opens at run time it
# names itself: the card faces, its fonts and Qt's X11 platform.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "kdegames-card-data-kf5, fonts-dejavu-core, fonts-dejavu-extra, qt6-qpa-plugins")
# Qt's own words, such as its dialogs' buttons, in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "fixed-limit Omaha poker against seven computer players
A card table for one: fixed-limit Omaha poker, played for the high hand,
you against seven computer players. Each hand you get four cards, and your
hand is the best five made from exactly two of them and exactly three of the
five community cards.

The computer players play each hand out many times over before they decide,
as often as the AI level says. A hand history tells every bet of the session,
a coach tells your chances, and every hand is recorded for the statistics.
The game speaks English, German and French.

omaha-sim, the game without a window, ranks hands and replays games from a
seed.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
