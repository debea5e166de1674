list(APPEND VELLOR_DB_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Database.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DateText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DbError.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Decimal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileCopy.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LikePattern.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Schema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Statement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextCut.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Transaction.cpp)
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TemplateDatabase.cpp)
