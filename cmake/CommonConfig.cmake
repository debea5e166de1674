# Standard, warnings and Qt safety defines shared by every target of our own. Warnings become
# errors only where the tests and CI build (VELLOR_WERROR), so a newer compiler never stops a
# shop's build.
option(VELLOR_WERROR "Treat warnings as errors" OFF)
add_library(vellor_common INTERFACE)
target_include_directories(vellor_common INTERFACE ${PROJECT_SOURCE_DIR}/src)
target_compile_options(vellor_common INTERFACE -Wall -Wextra -Woverloaded-virtual -Wnon-virtual-dtor
    $<$<BOOL:${VELLOR_WERROR}>:-Werror>)
target_compile_definitions(vellor_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_USE_QSTRINGBUILDER
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_KEYWORDS)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

# vellor_library(NAME SOURCES... LINKS...): one static library of the calling folder.
function(vellor_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
    add_library(${name} STATIC ${arg_SOURCES})
    target_link_libraries(${name} PUBLIC vellor_common ${arg_LINKS})
endfunction()
