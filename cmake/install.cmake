# Installing LessiCorsa as a desktop application, and its Debian package.
#
#   <prefix>/bin/lessicorsa                      the launcher (packaging/lessicorsa.in)
#   <prefix>/libexec/lessicorsa/lessicorsa       the program
#   <prefix>/share/games/lessicorsa/             vocabula.txt, the sample vocpers.txt, lexicon.txt, the sounds
#   <prefix>/share/applications/<id>.desktop     the menu entry
#   <prefix>/share/metainfo/<id>.metainfo.xml    the AppStream description
#   <prefix>/share/icons/hicolor/*/apps/<id>.*   the icon
#   <prefix>/share/man/man6/lessicorsa.6.gz      the manual page
#   <prefix>/share/doc/lessicorsa/               README.md, copyright, changelog.Debian.gz, LICENSES/,
#                                                manual/ (the teachers' manual), screenshots/
#
# The game reads its files from its current folder; the launcher gives it a
# per-user folder where those files are available (see the launcher). That
# folder is <data home>/lessicorsa, so the installed files must never go to a
# folder of that name: with the prefix ~/.local, <prefix>/share/lessicorsa
# would be the player's own folder, and every install would write the sample
# vocpers.txt over the player's vocabulary. Hence share/games/lessicorsa, and
# a check below for a data home that still meets it.
include(GNUInstallDirs)

# The application's id names the desktop entry, the metainfo and the icon.
set(LESSICORSA_APP_ID "io.github.lessicorsa.lessicorsa" CACHE STRING
  "Reverse-domain id of the desktop entry, the AppStream metainfo and the icon")
# AppStream wants screenshots as web addresses that exist: the folder where
# packaging/screenshots/*.png are published. Empty (the metainfo lists no
# screenshots) until the project has a home on the web.
set(LESSICORSA_SCREENSHOT_URL "" CACHE STRING
  "Web folder holding the published packaging/screenshots/*.png (empty: no screenshots)")
# Build folders configured before kept a placeholder address that never existed.
if(LESSICORSA_SCREENSHOT_URL STREQUAL "https://lessicorsa.github.io/screenshots")
  set_property(CACHE LESSICORSA_SCREENSHOT_URL PROPERTY VALUE "")
endif()
set(LESSICORSA_MAINTAINER_EMAIL "maintainers@users.noreply.c-seed-6a105a0d.example")

# The release: the version is the project's; its date and notes are the top
# entry of packaging/debian/changelog, which must name this version.
set(LESSICORSA_DEBIAN_REVISION 1)
set(LESSICORSA_CHANGELOG ${CMAKE_SOURCE_DIR}/packaging/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LESSICORSA_CHANGELOG})
file(STRINGS ${LESSICORSA_CHANGELOG} changelog_lines)
list(GET changelog_lines 0 changelog_top)
set(changelog_version ${PROJECT_VERSION}-${LESSICORSA_DEBIAN_REVISION})
if(NOT changelog_top MATCHES "^lessicorsa \\(([^)]+)\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: no entry at the top")
elseif(NOT CMAKE_MATCH_1 STREQUAL changelog_version)
  message(FATAL_ERROR "packaging/debian/changelog: the top entry is ${CMAKE_MATCH_1}, "
    "the project is ${changelog_version}: add an entry for this release")
endif()
foreach(line ${changelog_lines})
  if(line MATCHES "^ -- .*>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months ${CMAKE_MATCH_2} month)
    math(EXPR month "${month} + 1")
    if(month LESS 10)
      set(month 0${month})
    endif()
    set(LESSICORSA_RELEASE_DATE ${year}-${month}-${day})
    break()
  endif()
endforeach()
if(NOT LESSICORSA_RELEASE_DATE)
  message(FATAL_ERROR "packaging/debian/changelog: the top entry has no trailer line with a date")
endif()

set(LESSICORSA_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/lessicorsa)
set(LESSICORSA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/games/lessicorsa)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Before anything is written: refuse an install whose data folder is the
# installing user's game folder (a data home of <prefix>/share/games). The
# launcher refuses the same for every other user.
set(install_guard [[
  if(DEFINED ENV{XDG_DATA_HOME} AND IS_ABSOLUTE "$ENV{XDG_DATA_HOME}")
    set(game_folder "$ENV{XDG_DATA_HOME}/lessicorsa")
  elseif(DEFINED ENV{HOME})
    set(game_folder "$ENV{HOME}/.local/share/lessicorsa")
  endif()
  set(data_folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/@LESSICORSA_DATA_DIR@")
  if(game_folder)
    file(REAL_PATH "${game_folder}" game_folder)
    file(REAL_PATH "${data_folder}" data_folder)
    if(game_folder STREQUAL data_folder)
      message(FATAL_ERROR "LessiCorsa: ${data_folder} is your own game folder; "
        "the installed files would overwrite your vocpers.txt. Install with another prefix.")
    endif()
  endif()
]])
string(CONFIGURE "${install_guard}" install_guard @ONLY)
install(CODE "${install_guard}")
install(TARGETS lessicorsa RUNTIME DESTINATION ${LESSICORSA_PROGRAM_DIR})

set(shipped_files)
foreach(f vocabula.txt vocpers.txt lexicon.txt musica.mid Vittoria.wav Right.wav Wrong.wav)
  list(APPEND shipped_files ${CMAKE_SOURCE_DIR}/assets/${f})
endforeach()
install(FILES ${shipped_files} DESTINATION ${LESSICORSA_DATA_DIR})

# The launcher finds the program and the data relative to its own folder, so
# the installed tree works under any prefix (and inside a package).
foreach(dir BINDIR LIBEXECDIR DATADIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    message(FATAL_ERROR "The launcher needs CMAKE_INSTALL_${dir} relative to the prefix")
  endif()
endforeach()
file(RELATIVE_PATH LAUNCHER_TO_PREFIX /p/${CMAKE_INSTALL_BINDIR} /p)
configure_file(${CMAKE_SOURCE_DIR}/packaging/lessicorsa.in ${CMAKE_BINARY_DIR}/packaging/lessicorsa @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/lessicorsa DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${CMAKE_SOURCE_DIR}/packaging/lessicorsa.desktop.in
  ${CMAKE_BINARY_DIR}/packaging/${LESSICORSA_APP_ID}.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${LESSICORSA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(LESSICORSA_SCREENSHOTS "")
if(LESSICORSA_SCREENSHOT_URL)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/lessicorsa.screenshots.xml.in
    ${CMAKE_BINARY_DIR}/packaging/screenshots.xml @ONLY)
  file(READ ${CMAKE_BINARY_DIR}/packaging/screenshots.xml LESSICORSA_SCREENSHOTS)
endif()
configure_file(${CMAKE_SOURCE_DIR}/packaging/lessicorsa.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${LESSICORSA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${LESSICORSA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

include(${CMAKE_SOURCE_DIR}/packaging/icons.cmake)

# The manual page, and the documents: the README, the machine-readable
# copyright file with the full licence texts, the release notes and LICENSES/.
# gzip -n leaves the build's time out of the files, so they are reproducible.
#
# The manual page names the installed data folder, which is the prefix of the
# install itself (`cmake --install --prefix`, or the package's /usr), not the
# configure step's: the page is written when it is installed.
set(man_install [[
  get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
  set(PROJECT_VERSION "@PROJECT_VERSION@")
  set(LESSICORSA_MAN_DATA_DIR "${prefix}/@LESSICORSA_DATA_DIR@")
  set(LESSICORSA_MAN_DOC_DIR "${prefix}/@CMAKE_INSTALL_DATADIR@/doc/lessicorsa")
  configure_file("@CMAKE_SOURCE_DIR@/packaging/lessicorsa.6" "@CMAKE_BINARY_DIR@/packaging/lessicorsa.6" @ONLY)
  execute_process(COMMAND gzip -9nf "@CMAKE_BINARY_DIR@/packaging/lessicorsa.6" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress the manual page")
  endif()
  file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_MANDIR@/man6" TYPE FILE
    FILES "@CMAKE_BINARY_DIR@/packaging/lessicorsa.6.gz")
]])
string(CONFIGURE "${man_install}" man_install @ONLY)
install(CODE "${man_install}")
# The copyright file carries the full text of a licence that Debian's
# common-licenses lacks, indented as the format wants (" ." for an empty line).
file(READ ${CMAKE_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt LESSICORSA_CC_BY_SA_TEXT)
string(REGEX REPLACE "\n+$" "" LESSICORSA_CC_BY_SA_TEXT "${LESSICORSA_CC_BY_SA_TEXT}")
string(REPLACE "\n" "\n " LESSICORSA_CC_BY_SA_TEXT " ${LESSICORSA_CC_BY_SA_TEXT}")
string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" LESSICORSA_CC_BY_SA_TEXT "${LESSICORSA_CC_BY_SA_TEXT}")
string(REGEX REPLACE "\n [ \t]*\n" "\n .\n" LESSICORSA_CC_BY_SA_TEXT "${LESSICORSA_CC_BY_SA_TEXT}")
configure_file(${CMAKE_SOURCE_DIR}/packaging/debian/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
  COMMAND gzip -9nc ${LESSICORSA_CHANGELOG} > ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
  DEPENDS ${LESSICORSA_CHANGELOG})
add_custom_target(lessicorsa_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
set(LESSICORSA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lessicorsa)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_BINARY_DIR}/packaging/copyright
  ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz DESTINATION ${LESSICORSA_DOC_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/LICENSES DESTINATION ${LESSICORSA_DOC_DIR})
# The manual for teachers, which the game opens from its help menu
# ("Auxilium"), with the screenshots it shows.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/manual ${CMAKE_SOURCE_DIR}/docs/screenshots
  DESTINATION ${LESSICORSA_DOC_DIR})
# What lintian notes about the package on purpose, with the reasons.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME lessicorsa)

# The Debian package: cpack -G DEB in the build folder. dpkg-shlibdeps finds the
# libraries (Qt 6, SDL2_mixer, eSpeak NG); the rest is what the game needs at
# run time besides them: a General MIDI SoundFont for the music, the voices of
# the spoken word (the Latin one and those of the translation languages), and
# the fonts it substitutes for Arial, Comic Sans MS and MS Sans Serif (without
# DejaVu the default interface font becomes Comic Neue).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lessicorsa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The LessiCorsa developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Latin vocabulary game: race to the right translation")
# A package manager shows this under the summary: what the game is and who it is for.
set(CPACK_PACKAGE_DESCRIPTION "LessiCorsa drills Latin vocabulary as a race. A Latin word stands on a
dark board, twelve candidate translations sit above it, and a highlight
runs from box to box: the player strikes a key the moment the right
translation lights up.

One player plays against the clock and an error count; two players share
one keyboard and race, a wrong answer locking the player out for a while.
Each player is a Latin author whose bust climbs a decorated track.

The game comes with the 1,600 most frequent Latin words, translated into
Italian and English, and players can add a vocabulary of their own. Its
windows and texts are in Latin, its help texts in Italian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${LESSICORSA_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "LessiCorsa maintainers <${LESSICORSA_MAINTAINER_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SQLite driver is a plugin Qt loads by name: no library links it, so the
# shared libraries' dependencies do not bring it. SDL2_mixer (with SDL2) and
# eSpeak NG are opened when first used, not linked: named here for the same
# reason. Qt's translations are data files read at start, for the dialogs Qt
# draws itself.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "timgm6mb-soundfont | fluid-soundfont-gm, espeak-ng-data, fonts-liberation, fonts-comic-neue, fonts-dejavu-core, libqt6sql6-sqlite, libsdl2-mixer-2.0-0, libsdl2-2.0-0, libespeak-ng1, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The program names its desktop entry, so that desktops match its window to the menu entry.
target_compile_definitions(lessicorsa_core PUBLIC LESSICORSA_APP_ID="${LESSICORSA_APP_ID}")

# Resolve every symbol at start and keep the relocations read-only afterwards,
# as Debian's hardening asks of a program.
target_link_options(lessicorsa PRIVATE LINKER:-z,relro LINKER:-z,now)
