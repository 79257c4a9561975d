# `make package`: one .deb through CPack. The shared-library scan finds what the programs link;
# what the window loads at run time (QML modules, GStreamer plugins, fonts) it cannot see, so
# that is named here.

# Each `import X.Y` of the window's QML needs Debian's qml6-module-x-y; QtQuick and its
# controls load the first four modules themselves.
set(qml_modules QtQml.Models QtQml.WorkerScript QtQuick.Templates QtQuick.Window)
file(GLOB qml_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/Views/qml/*.qml)
foreach(qml_file IN LISTS qml_files)
  file(STRINGS ${qml_file} import_lines REGEX "^import [A-Za-z]")
  foreach(line IN LISTS import_lines)
    string(REGEX REPLACE "^import ([A-Za-z0-9.]+).*" "\\1" module "${line}")
    list(APPEND qml_modules ${module})
  endforeach()
endforeach()
list(REMOVE_DUPLICATES qml_modules)
# The window's own module (URI Quillmere) is linked into the program.
list(REMOVE_ITEM qml_modules Quillmere)
list(SORT qml_modules)
set(runtime_packages)
foreach(module IN LISTS qml_modules)
  string(TOLOWER "${module}" package)
  string(REPLACE "." "-" package "${package}")
  list(APPEND runtime_packages qml6-module-${package})
endforeach()
list(APPEND runtime_packages
  # the player and the sounds play through GStreamer
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  # Chinese, Japanese, Korean, Arabic and the flag emoji of the language menu
  fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji)
list(JOIN runtime_packages ", " QUILLMERE_RUNTIME_DEPENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VENDOR "The Quillmere developers")
set(CPACK_PACKAGE_CONTACT "The Quillmere developers <maintainers@quillmere.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "free disk space in your home folder safely")
# dpkg shows the description as written: lines are kept under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
  "Quillmere scans the home folder and sorts what it finds into four workspaces:
caches that are safe to remove, idle build folders and exact duplicates, large
files, and installed applications with their leftovers.

A clean moves the selection to the Trash the file manager shows, so every item
can be put back. Everything is analysed locally. The window speaks twelve
languages; quillmere-cli runs the same engine from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${QUILLMERE_RUNTIME_DEPENDS}")
# Without them the window still works: no sounds, X11 through XWayland, or a generic glyph
# where a file type's icon would be.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sound-theme-freedesktop, qt6-wayland, adwaita-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

if(BUILD_TESTING)
  # Builds the package from the installed tree and checks it as Debian's tools and a user would.
  add_test(NAME DebianPackage.BuildsValidatesAndRunsFromItsOwnPrefix
    COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/check-package ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR})
  set_tests_properties(DebianPackage.BuildsValidatesAndRunsFromItsOwnPrefix PROPERTIES TIMEOUT 900)
endif()
