#pragma once

#include "checkout/ReceiptSale.h"
#include "checkout/SaleSession.h"

#include <QDate>
#include <QWidget>

#include <functional>

class CartView;
class HeldCartList;
class HistoryPanel;
class PaymentBar;
class ProductPicker;
class QLabel;
class QLineEdit;
class QToolButton;
class QTimer;
struct AppContext;
struct PickEntry;

// The sales screen "销售管理": finds products, keeps the cart and its totals, takes the
// payment, saves, shows and deletes sales, and sets carts aside. An unsaved sale is never left
// without asking. Receipts are printed, and the drawer opened, by whoever listens to
// printRequested and saleSaved.
class SalesScreen : public QWidget {
    Q_OBJECT

public:
    static constexpr int Width = 13635; // twips
    static constexpr int Height = 7860;
    static constexpr int SavedMarkMilliseconds = 500;

    explicit SalesScreen(AppContext& context, QWidget* parent = nullptr);

    ReceiptSale receiptSale() const;

public Q_SLOTS:
    // After asking about an unsaved sale: a fresh sale number of today, an empty cart, the
    // focus in the search or barcode box.
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

    // Runs a step of the session; a refusal or failure is shown after `failure` and stops it.
    bool attempt(const QString& failure, const std::function<void()>& step);
    // Asks what becomes of an unsaved sale; true when the screen may go on.
    bool mayLeaveSale();
    bool save();
    bool settle();
    bool startNextSale();
    void addProduct(const PickEntry& product);
    void deleteLine();
    void showSale(SaleSummary stored);
    void deleteSale();
    void receivedEntered();
    void choosePayment(PaymentMethod method);
    void holdSale();
    void listHeldCarts();
    void resumeSale(qint64 heldId);

    void showCurrentSale();
    void showSaleHeader();
    void showTotals();
    void showReceived();
    void receivedChanged(const QString& text);
    QDate today() const;

    AppContext& m_context;
    SaleSession m_session;

    ProductPicker* m_picker;
    HistoryPanel* m_history;
    CartView* m_cartView;
    HeldCartList* m_heldList;
    PaymentBar* m_paymentBar = nullptr;
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
