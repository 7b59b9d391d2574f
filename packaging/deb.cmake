# The Debian package: cpack -G DEB after a build (./dev package does both).
# Included from the top CMakeLists.txt, after src/ has declared the install rules.

include(GNUInstallDirs)
find_program(LEXMIRE_GZIP gzip REQUIRED)

# -n keeps the name and time out of the gzip header, so the bytes depend on
# the text alone.
set(LEXMIRE_DEB_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
add_custom_command(OUTPUT ${LEXMIRE_DEB_CHANGELOG}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog ${LEXMIRE_DEB_CHANGELOG}
  COMMAND ${LEXMIRE_GZIP} -9nf ${LEXMIRE_DEB_CHANGELOG}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  VERBATIM)
add_custom_target(lexmire_deb_changelog ALL DEPENDS ${LEXMIRE_DEB_CHANGELOG}.gz)

# Debian's own files go only into the package, never through cmake --install.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${LEXMIRE_DEB_CHANGELOG}.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lexmire
        COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides RENAME lexmire
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        COMPONENT deb EXCLUDE_FROM_ALL)
# One package of every component, so those files come along with the rest.
get_cmake_property(_lexmire_components COMPONENTS)
set(CPACK_COMPONENTS_ALL ${_lexmire_components})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexmire)
set(CPACK_PACKAGE_VENDOR "Lexmire developers")
set(CPACK_PACKAGE_CONTACT "Lexmire developers <developers@lexmire.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-search puzzle maker with printable answer keys")
set(CPACK_PACKAGE_DESCRIPTION [[
Lexmire hides a word list in a grid of letters. Type the words or load them
from a text file, pick the grid's width and height (3 to 100 each) and a
level of thought, and Lexmire places the words along straight lines in eight
directions and fills the rest with random capital letters.

The puzzle, its answer key and the list of hidden words show on screen and
print on any printer, or to a PDF file.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Not games: Debian keeps those in /usr/games, and a puzzle maker is a tool
# teachers use as much as a pastime.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for Arial and Times New Roman; these are their
# metric twins, which no library dependency brings in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
