# SPDX-FileCopyrightText: 2026 The Sorvale authors
# SPDX-License-Identifier: MIT
# The Debian package, built by CPack (scripts/package). Its dependencies are computed, never
# listed by hand: dpkg-shlibdeps finds the libraries the programs link, and
# cmake/RuntimeDependencies.cmake finds, when the package is made, the packages of what Qt loads
# at run time (QML modules, image plugins), which no linker sees.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Sorvale authors")
set(CPACK_PACKAGE_CONTACT "The Sorvale authors <maintainers@sorvale.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories made for the package's files are 0755 whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SORVALE_WEBSITE_URL})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find disk space that can safely be reclaimed")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Sorvale looks through the home folder for caches, logs, developer storage,
applications with their support files, leftovers of removed applications,
installer files, large files, Downloads and the Trash. It shows every candidate
with its size and removes only what the user approves, moving it to the Trash.
.
The package holds the window, sorvale, and sorvale-scan, which runs the same
scans in a terminal and prints them as a table or as JSON.")

# Read by cpack, not by this configuration: what cmake/RuntimeDependencies.cmake needs.
get_target_property(CPACK_SORVALE_QML_IMPORT_SCANNER Qt6::qmlimportscanner LOCATION)
set(CPACK_SORVALE_QML_SOURCES ${PROJECT_SOURCE_DIR}/src/ui/qml)
set(CPACK_SORVALE_QML_IMPORT_PATH ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_QML})
set(CPACK_SORVALE_QT_PLUGINS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
# The image formats the window decodes through Qt's plugins: its own icons and drawings (SVG) and
# the icons of application bundles (ICNS, read by ui/ApplicationIcons).
set(CPACK_SORVALE_IMAGE_FORMATS svg icns)
set(CPACK_SORVALE_QT_VERSION ${Qt6_VERSION})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/RuntimeDependencies.cmake)

include(CPack)
