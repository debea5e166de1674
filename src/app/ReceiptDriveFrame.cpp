#include "app/ReceiptDriveFrame.h"

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

ReceiptDriveFrame::ReceiptDriveFrame(QWidget* parent)
    : QGroupBox(u"小票打印机"_s, parent)
    , m_mode(placed<QComboBox>(this, u"driveMode"_s, Twips::rect(1500, 390, 2400, 330)))
    , m_paperWidth(placed<QComboBox>(this, u"paperWidth"_s, Twips::rect(4680, 390, 1500, 330)))
    , m_address(placed<QLineEdit>(this, u"printerAddress"_s, Twips::rect(1500, 780, 4680, 330)))
    , m_openDrawer(placed<QCheckBox>(this, u"openDrawer"_s, Twips::rect(1500, 1170, 2700, 330),
                                     u"保存后打开钱箱"_s)) {
    placed<QLabel>(this, u"driveModeLabel"_s, Twips::rect(240, 420, 1200, 300), u"打印方式"_s);
    placed<QLabel>(this, u"paperWidthLabel"_s, Twips::rect(4080, 420, 600, 300), u"纸宽"_s);
    placed<QLabel>(this, u"addressLabel"_s, Twips::rect(240, 810, 1200, 300), u"网络打印机"_s);
    m_mode->addItems({u"驱动打印"_s, u"ESC/POS直接打印"_s});
    for (int width : PaperWidths)
        m_paperWidth->addItem(QString::number(width) + u"mm"_s, width);
    m_address->setMaxLength(ColumnWidth::of(u"小票驱动", u"地址"));
    m_address->setPlaceholderText(u"空：用小票打印机队列；或 主机:9100"_s);
    auto* test = placed<QPushButton>(this, u"testPrint"_s, Twips::rect(4680, 1140, 1500, 390),
                                     u"测试打印"_s);
    connect(test, &QPushButton::clicked, this, &ReceiptDriveFrame::testPrintRequested);
    setDrive(ReceiptDrive());
}

void ReceiptDriveFrame::setDrive(const ReceiptDrive& drive) {
    m_mode->setCurrentIndex(drive.mode == ReceiptDrive::Mode::EscPos ? 1 : 0);
    m_paperWidth->setCurrentIndex(m_paperWidth->findData(drive.paperWidth));
    m_address->setText(drive.address);
    m_openDrawer->setChecked(drive.openDrawer);
}

ReceiptDrive ReceiptDriveFrame::drive() const {
    ReceiptDrive drive;
    drive.mode =
        m_mode->currentIndex() == 1 ? ReceiptDrive::Mode::EscPos : ReceiptDrive::Mode::Driver;
    drive.paperWidth = m_paperWidth->currentData().toInt();
    drive.address = m_address->text().trimmed();
    drive.openDrawer = m_openDrawer->isChecked();
    return drive;
}
