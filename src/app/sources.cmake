list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AtomicReplace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DailyBackup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DataFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LoginCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QuietCheckpoint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StartUp.cpp)
list(APPEND VELLOR_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CupsPrintJob.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DesktopPlatform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NetworkPrintJob.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LoginWindow.cpp)

list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/HelpManual.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help/help.qrc)
list(APPEND VELLOR_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeyboardButtons.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptDriveFrame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsHolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShortcutPriority.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShowWatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StandardScreens.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolStripButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/icons/icons.qrc)
