# Standard, warnings and Qt safety defines shared by every target of our own.
add_library(vellor_common INTERFACE)
target_compile_options(vellor_common INTERFACE -Wall -Wextra -Werror)
target_compile_definitions(vellor_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_USE_QSTRINGBUILDER
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_KEYWORDS)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
