#include "checkout/ReceiptRouteBook.h"

#include "data/Database.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString EscPos = u"ESCPOS"_s;
const QString Driver = u"驱动"_s;
} // namespace

ReceiptRoute ReceiptRouteBook::read() const {
    Statement stored =
        m_database.prepare(u"SELECT [方式], [地址], [纸宽], [开钱箱] FROM [小票驱动]");
    ReceiptRoute route;
    if (!stored.next())
        return route;
    route.mode = stored.text(0) == EscPos ? ReceiptRoute::Mode::EscPos : ReceiptRoute::Mode::Driver;
    route.address = stored.text(1);
    route.paperWidth = stored.text(2) == u"58" ? 58 : 80;
    route.openDrawer = stored.text(3) == u"1";
    return route;
}

void ReceiptRouteBook::write(const ReceiptRoute& route) {
    m_database.exec(u"DELETE FROM [小票驱动]");
    m_database.exec(
        u"INSERT INTO [小票驱动] ([方式], [地址], [纸宽], [开钱箱]) VALUES (?, ?, ?, ?)",
        route.mode == ReceiptRoute::Mode::EscPos ? EscPos : Driver, route.address.trimmed(),
        QString::number(route.paperWidth), route.openDrawer ? u"1"_s : u"0"_s);
}
