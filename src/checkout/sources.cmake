# Receipt: the layout is a rule of the core, painting it on a printer needs the GUI.
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptLayout.cpp)
list(APPEND VELLOR_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptPrinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptRenderer.cpp)
