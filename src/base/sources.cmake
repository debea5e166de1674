# What every subsystem may use: the platform seam, the application context, the settings
# source and book, the screen registry and the allocator of time-stamp keys.
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SettingsBook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StampAllocator.cpp)
