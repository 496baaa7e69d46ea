# make package: a Debian package of the installed program.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarelin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Разработчики Тарелин-7")
set(CPACK_PACKAGE_CONTACT "Разработчики Тарелин-7 <tarelin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "расчёт бинарной ректификационной колонны для студентов")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tarelin.github.io/)
# Under the summary, which CPack puts first.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Тарелин-7 рассчитывает материальный и тепловой баланс ректификации
двухкомпонентной смеси, тепловые нагрузки конденсатора и кипятильника,
число теоретических ступеней и ступень питания или минимальное флегмовое
число, показывает диаграммы ступеней и печатает отчёт. Пакетный режим
рассчитывает файлы задач без окон.")
# The libraries the program links, as dpkg-shlibdeps finds them, and what
# it loads by name: the fonts of its windows and reports, and the Russian
# texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation, qt6-translations-l10n")

include(CPack)
