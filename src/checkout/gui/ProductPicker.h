#pragma once

#include "catalogue/PickEntry.h"
#include "catalogue/ProductCatalogue.h"

#include <QObject>

class Platform;
class ProductPickList;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

// The upper left of the sales screen: the search box or, in barcode mode, the barcode box,
// and the pick list of matching products. It finds products; the screen adds them. A scan
// that finds no product or several beeps, says why where the prompt stands, and leaves its
// text selected, so that the next scan replaces it.
class ProductPicker : public QObject {
    Q_OBJECT

public:
    ProductPicker(Database& database, Platform& platform, QWidget* screen);

    bool barcodeMode() const;
    void setBarcodeMode(bool on);
    // Both boxes emptied, the first products by name listed, the focus in the visible box.
    void reset();
    void focusBox();
    // A code that a scanner typed somewhere else on the screen, looked up as if scanned here.
    void scan(const QString& code);
    // A short word to the cashier in place of the prompt, until the next search or pick.
    void showNotice(const QString& text);

Q_SIGNALS:
    void picked(const PickEntry& product);
    void pickListPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* visibleBox() const;
    void refuseScan(const QString& code);
    void clearNotice();

    Platform& m_platform;
    ProductCatalogue m_catalogue;
    QLabel* m_prompt;
    QLabel* m_notice;
    QCheckBox* m_barcodeCheck;
    QLineEdit* m_searchBox;
    QLineEdit* m_barcodeBox;
    ProductPickList* m_pickList;
};
