# Installing LessiCorsa as a desktop application, and its Debian package.
#
#   <prefix>/bin/lessicorsa                      the launcher (packaging/lessicorsa.in)
#   <prefix>/libexec/lessicorsa/lessicorsa       the program
#   <prefix>/share/lessicorsa/                   vocabula.txt, the sample vocpers.txt, the sounds
#   <prefix>/share/applications/<id>.desktop     the menu entry
#   <prefix>/share/metainfo/<id>.metainfo.xml    the AppStream description
#   <prefix>/share/icons/hicolor/*/apps/<id>.*   the icon
#   <prefix>/share/doc/lessicorsa/README.md
#
# The game reads its files from its current folder; the launcher gives it a
# per-user folder where those files are available (see the launcher).
include(GNUInstallDirs)

# The application's id names the desktop entry, the metainfo and the icon.
set(LESSICORSA_APP_ID "io.github.lessicorsa.lessicorsa" CACHE STRING
  "Reverse-domain id of the desktop entry, the AppStream metainfo and the icon")
# AppStream wants screenshots as web addresses: the folder where
# packaging/screenshots/*.png are published.
set(LESSICORSA_SCREENSHOT_URL "https://lessicorsa.github.io/screenshots" CACHE STRING
  "Web folder holding the published packaging/screenshots/*.png")
# The release date in the metainfo: the build's date, or SOURCE_DATE_EPOCH's for
# reproducible builds.
string(TIMESTAMP LESSICORSA_RELEASE_DATE "%Y-%m-%d" UTC)

set(LESSICORSA_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/lessicorsa)
set(LESSICORSA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/lessicorsa)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS lessicorsa RUNTIME DESTINATION ${LESSICORSA_PROGRAM_DIR})

set(shipped_files)
foreach(f vocabula.txt vocpers.txt musica.mid Vittoria.wav Right.wav Wrong.wav)
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

configure_file(${CMAKE_SOURCE_DIR}/packaging/lessicorsa.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${LESSICORSA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${LESSICORSA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

include(${CMAKE_SOURCE_DIR}/packaging/icons.cmake)

install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lessicorsa)

# The Debian package: cpack -G DEB in the build folder. dpkg-shlibdeps finds the
# libraries (Qt 6, SDL2_mixer); the rest is what the game needs at run time
# besides them: a General MIDI SoundFont for the music, and the fonts it
# substitutes for Arial, Comic Sans MS and MS Sans Serif (without DejaVu the
# default interface font becomes Comic Neue).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lessicorsa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The LessiCorsa developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "race to the right translation of Latin words")
set(CPACK_PACKAGE_DESCRIPTION "LessiCorsa is a desktop game for drilling Latin vocabulary. A Latin word
stands on a dark board, twelve candidate translations sit above it, and a
highlight runs from box to box: the player strikes a key the moment the right
translation lights up. One player plays against the clock; two players share
one keyboard and race. Translations are in Italian and English, and players
can add a vocabulary of their own.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
  "LessiCorsa maintainers <maintainers@users.noreply.c-seed-6a105a0d.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "timgm6mb-soundfont | fluid-soundfont-gm, fonts-liberation, fonts-comic-neue, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The program names its desktop entry, so that desktops match its window to the menu entry.
target_compile_definitions(lessicorsa_core PUBLIC LESSICORSA_APP_ID="${LESSICORSA_APP_ID}")
