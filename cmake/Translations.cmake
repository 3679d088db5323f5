# SPDX-FileCopyrightText: 2026 The Sorvale authors
# SPDX-License-Identifier: MIT
# The window's translations. translations/sorvale_<language>.ts hold every text of the window in
# one language; sorvale_en.ts holds only the English plural forms, which the source texts
# ("%n item(s)") lack. The update_translations target brings them up to date with the sources
# (lupdate); every build compiles them (lrelease) into the catalogues the store embeds. Debian's
# qt6-l10n-tools has the tools but not Qt's CMake functions for them, so they are run directly.

set(qt_tools "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin)
find_program(SORVALE_LUPDATE lupdate PATHS ${qt_tools} NO_DEFAULT_PATH REQUIRED)
find_program(SORVALE_LRELEASE lrelease PATHS ${qt_tools} NO_DEFAULT_PATH REQUIRED)

set(SORVALE_TS_FILES
    ${PROJECT_SOURCE_DIR}/translations/sorvale_de.ts
    ${PROJECT_SOURCE_DIR}/translations/sorvale_en.ts)
# Where the window's texts are: the model's marked tables, the names the scans give items, the
# cleanup's marked messages, the store, the updater's messages and the window itself. The CLI
# stays English.
set(SORVALE_TRANSLATED_SOURCES
    ${PROJECT_SOURCE_DIR}/src/model
    ${PROJECT_SOURCE_DIR}/src/engine
    ${PROJECT_SOURCE_DIR}/src/cleanup
    ${PROJECT_SOURCE_DIR}/src/store
    ${PROJECT_SOURCE_DIR}/src/updater
    ${PROJECT_SOURCE_DIR}/src/ui)
# No source locations: the files change only when a text does.
set(SORVALE_LUPDATE_OPTIONS
    -locations none
    -extensions cpp,h,qml
    -tr-function-alias QT_TRANSLATE_NOOP+=SORVALE_TRANSLATABLE)

# The lupdate options for one catalogue: the source language's holds plural forms only.
function(sorvale_lupdate_options ts_file out_var)
    set(options ${SORVALE_LUPDATE_OPTIONS})
    if(ts_file MATCHES "_en\\.ts$")
        list(APPEND options -pluralonly)
    endif()
    set(${out_var} ${options} PARENT_SCOPE)
endfunction()

set(update_commands)
foreach(ts_file IN LISTS SORVALE_TS_FILES)
    sorvale_lupdate_options(${ts_file} options)
    list(APPEND update_commands
        COMMAND ${SORVALE_LUPDATE} ${options} -no-obsolete ${SORVALE_TRANSLATED_SOURCES}
                -ts ${ts_file})
endforeach()
add_custom_target(update_translations ${update_commands}
    COMMENT "Updating the translations from the sources"
    VERBATIM)

# What the translation check (tests/CMakeLists.txt) runs lupdate with: the same as above.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/translations/lupdate-settings.cmake CONTENT [[
set(LUPDATE "@SORVALE_LUPDATE@")
set(LUPDATE_OPTIONS "@SORVALE_LUPDATE_OPTIONS@")
set(SOURCES "@SORVALE_TRANSLATED_SOURCES@")
set(TS_FILES "@SORVALE_TS_FILES@")
]] @ONLY)

# Compiles every catalogue and embeds it in `target` under :/i18n.
function(sorvale_embed_translations target)
    set(qm_files)
    foreach(ts_file IN LISTS SORVALE_TS_FILES)
        get_filename_component(name ${ts_file} NAME_WE)
        set(qm_file ${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm)
        add_custom_command(
            OUTPUT ${qm_file}
            COMMAND ${SORVALE_LRELEASE} -silent ${ts_file} -qm ${qm_file}
            DEPENDS ${ts_file}
            VERBATIM)
        list(APPEND qm_files ${qm_file})
    endforeach()
    qt_add_resources(${target} "translations"
        PREFIX /i18n
        BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n
        FILES ${qm_files})
endfunction()
