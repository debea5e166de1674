# What every subsystem may use: the platform seam, the application context, the settings
# source and book, and the screen registry.
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SettingsBook.cpp)
