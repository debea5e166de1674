list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Pinyin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PinyinOrder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PinyinTable.cpp)

list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProductBook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductCatalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductEntry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductIdAllocator.cpp)

list(APPEND VELLOR_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EntryField.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductScreen.cpp)
