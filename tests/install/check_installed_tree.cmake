# Installs the build into a throw-away root under /usr and checks what a
# desktop and a lecturer find there.
#   cmake -DBUILD_DIR=... -DAPP_ID=... -DVERSION=... -DPICTURES_FROM_PROGRAM=...
#         -DBUILT_PROGRAM=... -P check_installed_tree.cmake
cmake_minimum_required(VERSION 3.25)

set(root ${BUILD_DIR}/installed-tree)
file(REMOVE_RECURSE ${root})
set(ENV{DESTDIR} ${root})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()
set(usr ${root}/usr)

set(expected
  bin/tarelin
  share/applications/${APP_ID}.desktop
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/metainfo/${APP_ID}.metainfo.xml
  share/mime/packages/tarelin-problem.xml
  share/man/man1/tarelin.1.gz
  share/tarelin/end_g.bmp
  share/doc/tarelin/copyright
  share/doc/tarelin/changelog.gz)
file(GLOB_RECURSE installed RELATIVE ${usr} ${usr}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

# The program finds its pictures by the same path from its folder, in the
# installed tree and in the build tree.
get_filename_component(built_folder ${BUILT_PROGRAM} DIRECTORY)
foreach(folder ${usr}/bin ${built_folder})
  if(NOT EXISTS ${folder}/${PICTURES_FROM_PROGRAM}/end_g.bmp)
    message(FATAL_ERROR "no end_g.bmp in ${folder}/${PICTURES_FROM_PROGRAM}")
  endif()
endforeach()

# The desktop entry names the installed program and icon; the metadata names
# the desktop entry.
file(STRINGS ${usr}/share/applications/${APP_ID}.desktop entry)
foreach(line "Icon=${APP_ID}" "Exec=tarelin %f")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "the desktop entry has no ${line}")
  endif()
endforeach()
file(READ ${usr}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(text "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
             "<project_license>GPL-3.0-or-later</project_license>" "<release version=\"${VERSION}\"")
  string(FIND "${metainfo}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the metadata has no ${text}")
  endif()
endforeach()

# The installed program answers without a display, as on a server.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
    ${usr}/bin/tarelin --version
  RESULT_VARIABLE status OUTPUT_VARIABLE version ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT version MATCHES "^tarelin \\(Тарелин-7\\) ${VERSION}\n.*GPL-3.0-or-later"
   OR NOT errors STREQUAL "")
  message(FATAL_ERROR "the installed tarelin --version: status ${status}\n${version}${errors}")
endif()
file(REMOVE_RECURSE ${root})
