# SPDX-FileCopyrightText: 2026 The Sorvale authors
# SPDX-License-Identifier: MIT
# Fails when a layer includes a layer it may not use, so that the one-way order of the layers
# holds: a lower layer never includes a higher one, and the window reaches the engine and the
# platform layer only through the store. Run as a script: cmake -DSOURCES=<src folder> -P ...
cmake_minimum_required(VERSION 3.25)

set(layers model platform engine cleanup store updater cli ui)
set(may_include_model model)
set(may_include_platform platform model)
set(may_include_engine engine platform model)
set(may_include_cleanup cleanup engine platform model)
set(may_include_store store cleanup engine platform model)
set(may_include_updater updater platform model)
set(may_include_cli cli engine platform model)
set(may_include_ui ui store updater model)

set(violations "")
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources "${SOURCES}/${layer}/*.h" "${SOURCES}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^#include \"[a-z]+/")
        foreach(line IN LISTS includes)
            string(REGEX MATCH "^#include \"([a-z]+)/" ignored "${line}")
            if(NOT CMAKE_MATCH_1 IN_LIST may_include_${layer})
                string(APPEND violations "\n  ${source}: ${layer} may not include ${CMAKE_MATCH_1}/")
            endif()
        endforeach()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "Layers included out of order:${violations}")
endif()
