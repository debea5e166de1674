#pragma once

#include "catalogue/ProductBook.h"
#include "catalogue/ProductCatalogue.h"
#include "stock/StockFilter.h"
#include "stock/StocktakingBook.h"
#include "stock/gui/StocktakingList.h"

#include <QWidget>

#include <functional>

struct AppContext;
class EntryField;
class Platform;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class RecordGrid;

// "库存盘点": lists products by name and stock, takes counted quantities and notes in the
// list, and sets the counted stocks with "执行盘点". Each list row stays tied to the product
// it shows, whatever other screens change meanwhile.
class StocktakingScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int CheckMarkMilliseconds = 500;

    // openRecords opens the stocktaking records screen.
    StocktakingScreen(AppContext& context, std::function<void()> openRecords,
                      QWidget* parent = nullptr);

private:
    void buildFilter();
    void buildGrid();
    void buildButtons();

    StockFilter filter() const;
    void query();
    void execute();
    void remove();
    void exportSheet();
    void showLeadingZeros();

    Platform& m_platform;
    ProductCatalogue m_catalogue;
    ProductBook m_products;
    StocktakingBook m_book;
    std::function<void()> m_openRecords;
    StocktakingList m_list;

    EntryField* m_name = nullptr;
    QComboBox* m_comparison = nullptr;
    EntryField* m_number = nullptr;
    QCheckBox* m_showZero = nullptr;
    QPushButton* m_query = nullptr;
    RecordGrid* m_grid = nullptr;
    QPushButton* m_execute = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_records = nullptr;
    QLabel* m_checkMark = nullptr;
    QTimer* m_checkMarkTimer = nullptr;
};
