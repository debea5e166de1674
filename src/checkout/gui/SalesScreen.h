#pragma once

#include "checkout/ReceiptSale.h"
#include "checkout/Sale.h"
#include "checkout/SaleBook.h"
#include "data/ColumnWidth.h"

#include <QDate>
#include <QWidget>

class CartView;
class HistoryPanel;
class ProductPicker;
class QLabel;
class QLineEdit;
class QToolButton;
class QTimer;
struct AppContext;
struct PickEntry;

// The sales screen "销售管理": finds products, keeps the cart and its totals, saves, shows
// and deletes sales. Receipts are printed, and the drawer opened, by whoever listens to
// printRequested and saleSaved.
class SalesScreen : public QWidget {
    Q_OBJECT

public:
    static constexpr int Width = 13635; // twips
    static constexpr int Height = 7860;
    static constexpr int SavedMarkMilliseconds = 500;
    static constexpr int ReceivedWidth = ColumnWidth::of(u"订单", u"实收");

    explicit SalesScreen(AppContext& context, QWidget* parent = nullptr);

    ReceiptSale receiptSale() const;

public Q_SLOTS:
    // A fresh sale number of today, an empty cart, the focus in the search or barcode box.
    void newSale();
    void saveSale();
    void printReceipt();

Q_SIGNALS:
    void printRequested(const ReceiptSale& sale);
    // Once for every save that landed.
    void saleSaved(const ReceiptSale& sale);

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSaleHeader();
    void buildTotals();
    void buildButtons();
    void buildKeys();
    void addProduct(const PickEntry& product);
    void deleteLine();
    void showSale(const SaleSummary& stored);
    void deleteSale();
    void showTotals();
    void receivedChanged(const QString& text);
    void showSaleHeader();
    QDate today() const;

    AppContext& m_context;
    SaleBook m_book;
    Sale m_sale;

    ProductPicker* m_picker;
    HistoryPanel* m_history;
    CartView* m_cartView;
    QLabel* m_saleNumberLabel = nullptr;
    QLabel* m_saleDateLabel = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_discountGiven = nullptr;
    QLineEdit* m_received = nullptr;
    QLabel* m_change = nullptr;
    QToolButton* m_newButton = nullptr;
    QToolButton* m_deleteButton = nullptr;
    QLabel* m_savedMark = nullptr;
    QTimer* m_savedMarkTimer = nullptr;
};
