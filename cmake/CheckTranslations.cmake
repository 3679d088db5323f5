# SPDX-FileCopyrightText: 2026 The Sorvale authors
# SPDX-License-Identifier: MIT
# Fails unless every catalogue is complete for the current sources: lupdate, run on a copy of
# each with the build's settings, finds no text without its translation (a text added or changed
# since the last update) and none that the sources no longer have. Run as a script:
#   cmake -DSETTINGS=<lupdate-settings.cmake> -DWORK=<scratch folder> -P CheckTranslations.cmake
# SOURCES and TS_FILES given with -D replace the settings' own (the check's own test does that).
cmake_minimum_required(VERSION 3.25)

set(given_sources "${SOURCES}")
set(given_ts_files "${TS_FILES}")
include(${SETTINGS})
if(given_sources)
    set(SOURCES "${given_sources}")
endif()
if(given_ts_files)
    set(TS_FILES "${given_ts_files}")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(problems "")
foreach(ts_file IN LISTS TS_FILES)
    get_filename_component(name ${ts_file} NAME)
    set(copy ${WORK}/${name})
    file(COPY_FILE ${ts_file} ${copy})
    set(options ${LUPDATE_OPTIONS})
    if(name MATCHES "_en\\.ts$")
        list(APPEND options -pluralonly)
    endif()
    execute_process(COMMAND ${LUPDATE} ${options} ${SOURCES} -ts ${copy}
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        string(APPEND problems "\n  ${name}: lupdate failed: ${errors}")
        continue()
    endif()
    file(READ ${copy} contents)
    # One list element per message; a text's own semicolons must not split it.
    string(REPLACE ";" "<semicolon>" contents "${contents}")
    string(REPLACE "<message" ";<message" messages "${contents}")
    foreach(message IN LISTS messages)
        if(NOT message MATCHES "^<message")
            continue()
        endif()
        string(REGEX MATCH "<source>([^<]*)</source>" ignored "${message}")
        string(REPLACE "<semicolon>" ";" source "${CMAKE_MATCH_1}")
        if(message MATCHES "type=\"(vanished|obsolete)\"")
            string(APPEND problems "\n  ${name}: no longer in the sources: ${source}")
        elseif(message MATCHES "type=\"unfinished\"")
            string(APPEND problems "\n  ${name}: not translated: ${source}")
        elseif(message MATCHES "<translation></translation>|<numerusform></numerusform>")
            string(APPEND problems "\n  ${name}: empty translation: ${source}")
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "The translations are not complete; run the update_translations target "
                        "and translate what it added:${problems}")
endif()
