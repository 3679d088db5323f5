# Every target of the project compiles with the same warning set; CI turns them into errors.
function(sorvale_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
        -Wno-sign-conversion)
    # GCC 12 reports impossible overlaps in inlined std::string concatenation when optimising
    # (GCC bug 105651), so -Wrestrict would reject ordinary code in release builds.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(SORVALE_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
