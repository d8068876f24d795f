# The Debian package: `cpack --preset deb` after a release build.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/trelvani)
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/changelog > ${changelog}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
add_custom_target(trelvani_changelog ALL DEPENDS ${changelog})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${changelog} DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelvani)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Trelvani <trelvani@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for trapezoidal fuzzy numbers")
set(CPACK_PACKAGE_DESCRIPTION
  "Trelvani works trapezoidal fuzzy-number exercises the way students of
decision theory do them by hand: two operands X and Y and a result Z, with
their sum, difference, product, quotient, maximum, minimum, square, square
root and centroid, every digit shown exactly. The interface is in Spanish.
It also ships trelvani-batch, the same calculator driven by JSON lines, and
trelvani-ejercicios, which turns a teacher's exercise list into a student
sheet, a worked answer key (LaTeX, Markdown, HTML) or a Moodle quiz, and
trelvani-decision, which solves fuzzy TOPSIS, SAW and AHP problems with
every table of the method shown.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://trelvani.github.io/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins, translations and the bold face at run time:
# no library link shows those.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-comic-neue")
set(CPACK_PACKAGE_FILE_NAME trelvani_${PROJECT_VERSION}_amd64)
include(CPack)
