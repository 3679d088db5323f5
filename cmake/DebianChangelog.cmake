# SPDX-FileCopyrightText: 2026 The Sorvale authors
# SPDX-License-Identifier: MIT
# cmake -DMETAINFO=FILE -DVERSION=X.Y.Z -DOUTPUT=FILE -P DebianChangelog.cmake
#
# Writes the package's changelog in Debian's format from the release notes of the AppStream
# metainfo, so that the notes are written once. The newest release must be VERSION: a version
# without release notes is refused.

cmake_policy(VERSION 3.25)

set(maintainer "The Sorvale authors <maintainers@sorvale.example>")

# "2026-12-07" as Debian writes dates: "Mon, 07 Dec 2026 00:00:00 +0000".
function(_debian_date iso out_var)
    if(NOT iso MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        message(FATAL_ERROR "release date '${iso}' is not YYYY-MM-DD")
    endif()
    set(year ${CMAKE_MATCH_1})
    math(EXPR month "1${CMAKE_MATCH_2} - 100")
    set(day ${CMAKE_MATCH_3})
    # Sakamoto's rule for the day of the week (0 is Sunday).
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR index "${month} - 1")
    list(GET offsets ${index} offset)
    set(y ${year})
    if(month LESS 3)
        math(EXPR y "${year} - 1")
    endif()
    math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + 1${day} - 100) % 7")
    set(weekdays Sun Mon Tue Wed Thu Fri Sat)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET weekdays ${weekday} weekday_name)
    list(GET months ${index} month_name)
    set(${out_var} "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# Text of an XML element, entities resolved and white space collapsed.
function(_plain xml out_var)
    string(REGEX REPLACE "<[^>]*>" "" text "${xml}")
    string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
    string(STRIP "${text}" text)
    foreach(entity "&lt;=<" "&gt;=>" "&quot;=\"" "&apos;='" "&amp;=&")
        string(REGEX MATCH "^([^=]+)=(.*)$" _ "${entity}")
        string(REPLACE "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" text "${text}")
    endforeach()
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# "  * text", wrapped at 78 columns with continuation lines indented under the text.
function(_bullet text out_var)
    string(REPLACE " " ";" words "${text}")
    set(result "")
    set(line "  *")
    foreach(word ${words})
        string(LENGTH "${line} ${word}" length)
        if(length GREATER 78 AND NOT line STREQUAL "  *" AND NOT line STREQUAL "   ")
            string(APPEND result "${line}\n")
            set(line "   ")
        endif()
        string(APPEND line " ${word}")
    endforeach()
    set(${out_var} "${result}${line}\n" PARENT_SCOPE)
endfunction()

file(READ ${METAINFO} metainfo)
string(FIND "${metainfo}" "<releases>" start)
string(FIND "${metainfo}" "</releases>" end)
if(start EQUAL -1 OR end EQUAL -1)
    message(FATAL_ERROR "${METAINFO} has no <releases>")
endif()
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${metainfo}" ${start} ${length} releases)

set(changelog "")
set(newest "")
while(TRUE)
    string(FIND "${releases}" "<release " open)
    if(open EQUAL -1)
        break()
    endif()
    string(SUBSTRING "${releases}" ${open} -1 releases)
    string(FIND "${releases}" "</release>" close)
    string(SUBSTRING "${releases}" 0 ${close} release)
    math(EXPR next "${close} + 10")
    string(SUBSTRING "${releases}" ${next} -1 releases)

    if(NOT release MATCHES "version=\"([^\"]+)\"")
        message(FATAL_ERROR "a release of ${METAINFO} has no version")
    endif()
    set(version ${CMAKE_MATCH_1})
    if(NOT release MATCHES "date=\"([^\"]+)\"")
        message(FATAL_ERROR "release ${version} of ${METAINFO} has no date")
    endif()
    _debian_date(${CMAKE_MATCH_1} date)
    if(newest STREQUAL "")
        set(newest ${version})
    endif()

    string(APPEND changelog "sorvale (${version}) unstable; urgency=medium\n\n")
    # Each paragraph and each list entry of the notes becomes one entry of the changelog.
    string(REGEX MATCHALL "<(p|li)>[^<]*</(p|li)>" entries "${release}")
    if(NOT entries)
        message(FATAL_ERROR "release ${version} of ${METAINFO} has no notes")
    endif()
    foreach(entry ${entries})
        _plain("${entry}" text)
        _bullet("${text}" bullet)
        string(APPEND changelog "${bullet}")
    endforeach()
    string(APPEND changelog "\n -- ${maintainer}  ${date}\n\n")
endwhile()

if(NOT newest STREQUAL VERSION)
    message(FATAL_ERROR "the newest release in ${METAINFO} is '${newest}', but the version is "
                        "${VERSION}: add its release notes there")
endif()
string(STRIP "${changelog}" changelog)
file(WRITE ${OUTPUT} "${changelog}\n")
