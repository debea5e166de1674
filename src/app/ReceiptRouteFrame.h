#pragma once

#include "checkout/ReceiptRoute.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;

// "小票打印机": how receipts reach the printer, the paper width, the cash drawer, and a
// test print of the settings as they stand.
class ReceiptRouteFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ReceiptRouteFrame(QWidget* parent);

    void setRoute(const ReceiptRoute& route);
    ReceiptRoute route() const;

Q_SIGNALS:
    void testPrintRequested();

private:
    QComboBox* m_mode;
    QComboBox* m_paperWidth;
    QLineEdit* m_address;
    QCheckBox* m_openDrawer;
};
