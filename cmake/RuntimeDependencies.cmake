# SPDX-FileCopyrightText: 2026 The Sorvale authors
# SPDX-License-Identifier: MIT
# Run by cpack before it makes the Debian package (CPACK_PROJECT_CONFIG_FILE). What Qt loads at
# run time, no linker and so no dpkg-shlibdeps sees: the QML modules the window imports and the
# plugins that decode its images. They are found here, and dpkg finds the package of each.

# cpack reads this file without the project's policies.
cmake_policy(VERSION 3.25)

if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

set(packages)

# Adds the Debian package that holds `file` to `packages`.
function(_sorvale_add_owner file)
    execute_process(
        COMMAND dpkg-query --search ${file}
        OUTPUT_VARIABLE owner
        ERROR_QUIET
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT owner MATCHES "^([^:, ]+)")
        message(FATAL_ERROR "no Debian package holds ${file}, which the window loads")
    endif()
    set(packages ${packages} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

# QML modules: qmlimportscanner finds them in the window's QML and then in each module's own QML
# (a module's private implementation imports more); a module is known by its qmldir. A module
# without one (QtQml) is built into a Qt library, which dpkg-shlibdeps already covers.
set(roots ${CPACK_SORVALE_QML_SOURCES})
set(scanned)
while(roots)
    list(POP_FRONT roots root)
    if(root IN_LIST scanned)
        continue()
    endif()
    list(APPEND scanned ${root})
    execute_process(
        COMMAND ${CPACK_SORVALE_QML_IMPORT_SCANNER}
                -rootPath ${root} -importPath ${CPACK_SORVALE_QML_IMPORT_PATH}
        OUTPUT_VARIABLE imports
        ERROR_QUIET
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "qmlimportscanner failed on ${root}")
    endif()
    string(JSON count LENGTH "${imports}")
    if(count EQUAL 0)
        continue()
    endif()
    math(EXPR last "${count} - 1")
    foreach(index RANGE ${last})
        string(JSON type ERROR_VARIABLE no_type GET "${imports}" ${index} type)
        string(JSON path ERROR_VARIABLE no_path GET "${imports}" ${index} path)
        # Modules that are not installed (other platforms' styles, the window's own module,
        # which is linked in) have no path.
        if(no_type OR no_path OR NOT type STREQUAL "module" OR NOT EXISTS "${path}/qmldir")
            continue()
        endif()
        list(APPEND roots ${path})
        _sorvale_add_owner(${path}/qmldir)
    endforeach()
endwhile()
if(NOT packages)
    message(FATAL_ERROR "no QML module found in ${CPACK_SORVALE_QML_SOURCES}")
endif()

# Image formats: Qt decodes each through an image format plugin (libq<format>.so) and, for
# QIcon, an icon engine (libq<format>icon.so). PNG is built into Qt's own library.
foreach(format ${CPACK_SORVALE_IMAGE_FORMATS})
    file(GLOB plugins
        ${CPACK_SORVALE_QT_PLUGINS}/imageformats/libq${format}.so
        ${CPACK_SORVALE_QT_PLUGINS}/iconengines/libq${format}icon.so)
    if(NOT plugins)
        message(FATAL_ERROR "no Qt plugin in ${CPACK_SORVALE_QT_PLUGINS} reads ${format} images")
    endif()
    foreach(plugin ${plugins})
        _sorvale_add_owner(${plugin})
    endforeach()
endforeach()

list(REMOVE_DUPLICATES packages)
list(SORT packages)
set(depends)
foreach(package ${packages})
    list(APPEND depends "${package} (>= ${CPACK_SORVALE_QT_VERSION})")
endforeach()
list(JOIN depends ", " depends)
message(STATUS "What Qt loads at run time comes from: ${depends}")
# dpkg-shlibdeps' result is added to these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${depends}")
