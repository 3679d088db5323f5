# SPDX-FileCopyrightText: 2026 The Sorvale authors
# SPDX-License-Identifier: MIT
# Every target of the project compiles with the same warning set; CI turns them into errors.
function(sorvale_warning_flags out_var)
    set(flags -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
    # GCC 12 reports impossible overlaps in inlined std::string concatenation when optimising
    # (GCC bug 105651), so -Wrestrict would reject ordinary code in release builds.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        list(APPEND flags -Wno-restrict)
    endif()
    if(SORVALE_WARNINGS_AS_ERRORS)
        list(APPEND flags -Werror)
    endif()
    set(${out_var} ${flags} PARENT_SCOPE)
endfunction()

function(sorvale_warnings target)
    sorvale_warning_flags(flags)
    target_compile_options(${target} PRIVATE ${flags})
endfunction()

# For targets that also compile generated code (QML caches, type registrations) which is not
# ours to keep warning-free: only the listed sources get the warning set.
function(sorvale_warnings_for_sources)
    sorvale_warning_flags(flags)
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS "${flags}")
endfunction()
