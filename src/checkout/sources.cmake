# Sales: cart and sale book in the core; the screen and its panels need the GUI.
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Cart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptSale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Sale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SaleBook.cpp)
list(APPEND VELLOR_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CartView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HistoryMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HistoryPanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProductPicker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SalesScreen.cpp)

# Receipt: the layout is a rule of the core, painting it on a printer needs the GUI.
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptMoney.cpp)

# ESC/POS receipts for roll printers driven directly, and the settings that choose them.
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EscPosReceipt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PrinterText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptDriveBook.cpp)
list(APPEND VELLOR_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptPrinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReceiptRenderer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TillPrinter.cpp)
