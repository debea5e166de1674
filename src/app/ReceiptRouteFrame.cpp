#include "app/ReceiptRouteFrame.h"

#include "data/ColumnWidth.h"
#include "ui/Placed.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int PaperWidths[] = {58, 80};
}

ReceiptRouteFrame::ReceiptRouteFrame(QWidget* parent)
    : QGroupBox(u"小票打印机"_s, parent)
    , m_mode(placed<QComboBox>(this, u"routeMode"_s, Twips::rect(1500, 390, 2400, 330)))
    , m_paperWidth(placed<QComboBox>(this, u"paperWidth"_s, Twips::rect(4680, 390, 1500, 330)))
    , m_address(placed<QLineEdit>(this, u"printerAddress"_s, Twips::rect(1500, 780, 4680, 330)))
    , m_openDrawer(placed<QCheckBox>(this, u"openDrawer"_s, Twips::rect(1500, 1170, 2700, 330),
                                     u"保存后打开钱箱"_s)) {
    placed<QLabel>(this, u"routeModeLabel"_s, Twips::rect(240, 420, 1200, 300), u"打印方式"_s);
    placed<QLabel>(this, u"paperWidthLabel"_s, Twips::rect(4080, 420, 600, 300), u"纸宽"_s);
    placed<QLabel>(this, u"addressLabel"_s, Twips::rect(240, 810, 1200, 300), u"网络打印机"_s);
    m_mode->addItems({u"驱动打印"_s, u"ESC/POS直接打印"_s});
    for (int width : PaperWidths)
        m_paperWidth->addItem(QString::number(width) + u"mm"_s, width);
    m_address->setMaxLength(ColumnWidth::of(u"小票驱动", u"地址"));
    m_address->setPlaceholderText(u"空：用小票打印机队列；或 主机:9100"_s);
    auto* test = placed<QPushButton>(this, u"testPrint"_s, Twips::rect(4680, 1140, 1500, 390),
                                     u"测试打印"_s);
    connect(test, &QPushButton::clicked, this, &ReceiptRouteFrame::testPrintRequested);
    setRoute(ReceiptRoute());
}

void ReceiptRouteFrame::setRoute(const ReceiptRoute& route) {
    m_mode->setCurrentIndex(route.mode == ReceiptRoute::Mode::EscPos ? 1 : 0);
    m_paperWidth->setCurrentIndex(m_paperWidth->findData(route.paperWidth));
    m_address->setText(route.address);
    m_openDrawer->setChecked(route.openDrawer);
}

ReceiptRoute ReceiptRouteFrame::route() const {
    ReceiptRoute route;
    route.mode =
        m_mode->currentIndex() == 1 ? ReceiptRoute::Mode::EscPos : ReceiptRoute::Mode::Driver;
    route.paperWidth = m_paperWidth->currentData().toInt();
    route.address = m_address->text().trimmed();
    route.openDrawer = m_openDrawer->isChecked();
    return route;
}
