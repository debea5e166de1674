# Stock movements: the ledger that alone writes [出入库] and [商品].[库存].
list(APPEND VELLOR_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StockLedger.cpp)
