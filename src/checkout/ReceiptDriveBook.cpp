#include "checkout/ReceiptDriveBook.h"

#include "data/Database.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString EscPos = u"ESCPOS"_s;
const QString Driver = u"驱动"_s;
} // namespace

ReceiptDrive ReceiptDriveBook::read() const {
    Statement stored =
        m_database.prepare(u"SELECT [方式], [地址], [纸宽], [开钱箱] FROM [小票驱动]");
    ReceiptDrive drive;
    if (!stored.next())
        return drive;
    drive.mode = stored.text(0) == EscPos ? ReceiptDrive::Mode::EscPos : ReceiptDrive::Mode::Driver;
    drive.address = stored.text(1);
    drive.paperWidth = stored.text(2) == u"58" ? 58 : 80;
    drive.openDrawer = stored.text(3) == u"1";
    return drive;
}

void ReceiptDriveBook::write(const ReceiptDrive& drive) {
    m_database.exec(u"DELETE FROM [小票驱动]");
    m_database.exec(
        u"INSERT INTO [小票驱动] ([方式], [地址], [纸宽], [开钱箱]) VALUES (?, ?, ?, ?)",
        drive.mode == ReceiptDrive::Mode::EscPos ? EscPos : Driver, drive.address.trimmed(),
        QString::number(drive.paperWidth), drive.openDrawer ? u"1"_s : u"0"_s);
}
