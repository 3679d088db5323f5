# SPDX-FileCopyrightText: 2026 The Sorvale authors
# SPDX-License-Identifier: MIT
# The Debian copyright file (machine-readable format 1.0), written from LICENSE and from the
# licence of the bundled icons, so that the package says exactly what the repository does.

# A licence file's holder ("2026 The Sorvale authors") from its "Copyright (c)" line.
function(_sorvale_copyright_holder text out_var)
    if(NOT text MATCHES "Copyright \\(c\\) ([^\n]+)")
        message(FATAL_ERROR "a licence file has no \"Copyright (c)\" line")
    endif()
    set(${out_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

function(sorvale_debian_copyright output)
    set(licence_file ${PROJECT_SOURCE_DIR}/LICENSE)
    set(icons_licence_file ${PROJECT_SOURCE_DIR}/src/ui/icons/LICENSE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
        ${licence_file} ${icons_licence_file})
    file(READ ${licence_file} licence)
    file(READ ${icons_licence_file} icons_licence)
    foreach(text IN ITEMS "${licence}" "${icons_licence}")
        # Both are the MIT licence, which Debian calls Expat; anything else needs its own
        # paragraph below.
        if(NOT text MATCHES "MIT License" OR NOT text MATCHES "Permission is hereby granted")
            message(FATAL_ERROR "LICENSE and src/ui/icons/LICENSE must both be the MIT licence")
        endif()
    endforeach()
    _sorvale_copyright_holder("${licence}" holder)
    _sorvale_copyright_holder("${icons_licence}" icons_holder)

    # The licence's terms, from the permission grant on, as a paragraph of the file: each line
    # indented by one space, an empty line written as " .".
    string(FIND "${licence}" "Permission is hereby granted" start)
    string(SUBSTRING "${licence}" ${start} -1 terms)
    string(STRIP "${terms}" terms)
    string(REPLACE "\n\n" "\n.\n" terms "${terms}")
    string(REPLACE "\n" "\n " terms "${terms}")

    file(WRITE ${output} "\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Sorvale
Source: ${SORVALE_WEBSITE_URL}

Files: *
Copyright: ${holder}
License: Expat

Files: src/ui/icons/*
Copyright: ${icons_holder}
License: Expat
Comment: Bootstrap Icons, compiled into the program unchanged.

License: Expat
 ${terms}
")
endfunction()
