list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProductBook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductEntry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductIdAllocator.cpp)
