#pragma once

#include "catalogue/ProductCatalogue.h"
#include "stock/StockBook.h"
#include "ui/grid/GridModel.h"

#include <QList>
#include <QWidget>

class DateRangeBar;
class Platform;
class ProductPickList;
class QLineEdit;
class QPushButton;
class RecordGrid;
struct AppContext;

// "入库管理" / "出库管理": books stock received or goods returned to the supplier, lists the
// movements of its kind over a date range and deletes them. The mode is fixed for the life
// of the screen; the rules and statements live in StockBook.
class StockScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 11400; // twips
    static constexpr int Height = 9120;

    // The kind is "入库" for stock-in; anything else opens it for returns ("出库").
    StockScreen(AppContext& context, const QString& movementKind, QWidget* parent = nullptr);

    // The number "删  除" acts on: of the row last clicked, or of the movement last saved.
    QString selectedMovement() const { return m_selected; }

Q_SIGNALS:
    // The blue "商品名称维护" was clicked.
    void productMaintenanceWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEntryFrame(const QString& caption);
    void buildQueryFrame(const QString& caption);
    void buildGrid();
    void wireBoxes();

    void boxChanged(QLineEdit* box);
    void updateAmount();
    void pick(const PickEntry& product);
    void save();
    void remove();
    void clear();
    void query();
    void rowClicked();
    StockEntry entry() const;
    QList<QLineEdit*> entryBoxes() const;

    Platform& m_platform;
    ProductCatalogue m_catalogue;
    StockBook m_book;
    QString m_selected;
    GridList<StockRow> m_list;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_maker = nullptr;
    QLineEdit* m_number = nullptr;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_unit = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLineEdit* m_purchasePrice = nullptr;
    QLineEdit* m_salePrice = nullptr;
    QLineEdit* m_amount = nullptr;
    QLineEdit* m_remark = nullptr;
    ProductPickList* m_pickList = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_clear = nullptr;
    QLineEdit* m_filter = nullptr;
    DateRangeBar* m_range = nullptr;
    RecordGrid* m_grid = nullptr;
};
