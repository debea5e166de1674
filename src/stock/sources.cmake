# Stock movements: the ledger that alone writes [出入库] and [商品].[库存], and the stock book
# and screen of stock-in and returns.
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StockBook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StockLedger.cpp)

# Stocktaking: the count and its records in the core, their two screens in the GUI.
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StocktakingBook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StocktakingRecords.cpp)
list(APPEND VELLOR_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StocktakingRecordsScreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StocktakingScreen.cpp)
list(APPEND VELLOR_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StockScreen.cpp)
