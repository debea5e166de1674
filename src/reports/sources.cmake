# The statistics report: its query and the spreadsheet export without widgets, and its screen.
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReportColumns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportQuery.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportRunner.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportSheet.cpp)

list(APPEND VELLOR_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReportProgress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportScreen.cpp)
