#pragma once

#include "catalogue/PickEntry.h"
#include "catalogue/ProductCatalogue.h"

#include <QObject>

class ProductPickList;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

// The upper left of the sales screen: the search box or, in barcode mode, the barcode box,
// and the pick list of matching products. It finds products; the screen adds them.
class ProductPicker : public QObject {
    Q_OBJECT

public:
    ProductPicker(Database& database, QWidget* screen);

    bool barcodeMode() const;
    void setBarcodeMode(bool on);
    // Both boxes emptied, the first products by name listed, the focus in the visible box.
    void reset();
    void focusBox();

Q_SIGNALS:
    void picked(const PickEntry& product);
    void pickListPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* visibleBox() const;

    ProductCatalogue m_catalogue;
    QLabel* m_prompt;
    QCheckBox* m_barcodeCheck;
    QLineEdit* m_searchBox;
    QLineEdit* m_barcodeBox;
    ProductPickList* m_pickList;
};
