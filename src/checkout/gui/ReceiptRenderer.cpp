#include "checkout/gui/ReceiptRenderer.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr double RuleWidth = 0.2;

// The default face, unless it has no Chinese: then a fallback would pick glyph shapes by
// chance (Japanese ones under a C locale).
QFont chineseFace() {
    QFont face;
    if (QFontDatabase::writingSystems(QFontInfo(face).family())
            .contains(QFontDatabase::SimplifiedChinese))
        return face;
    for (const QString& family :
         {u"WenQuanYi Micro Hei"_s, u"Noto Sans CJK SC"_s, u"Microsoft YaHei"_s}) {
        if (QFontDatabase::hasFamily(family)) {
            face.setFamily(family);
            break;
        }
    }
    return face;
}

} // namespace

ReceiptRenderer::ReceiptRenderer(QPrinter& printer)
    : m_printer(printer)
    , m_face(chineseFace()) {}

bool ReceiptRenderer::print(const QString& documentName, const ReceiptPageLayout& layOut) {
    const ReceiptPage page = layOut(
        [this](const QString& text, double pointSize) { return textWidth(text, pointSize); });

    m_printer.setDocName(documentName);
    m_printer.setFullPage(true);
    m_printer.setPageOrientation(QPageLayout::Portrait);
    m_printer.setPageSize(QPageSize(QSizeF(page.width, page.height), QPageSize::Millimeter,
                                    u"Receipt"_s, QPageSize::ExactMatch));
    m_printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&m_printer))
        return false;
    painter.setPen(QPen(Qt::black, devicePixels(RuleWidth)));
    // Drawn unscaled in device pixels: a scaled painter rounds the font sizes.
    for (const ReceiptOperation& operation : page.operations) {
        const double x = devicePixels(operation.x);
        const double y = devicePixels(operation.y);
        if (operation.kind == ReceiptOperation::Kind::Rule) {
            painter.drawLine(QPointF(x, y), QPointF(devicePixels(operation.x2), y));
            continue;
        }
        const QFont font = fontAt(operation.pointSize);
        painter.setFont(font);
        painter.drawText(QPointF(x, y + QFontMetricsF(font, &m_printer).ascent()), operation.text);
    }
    return painter.end();
}

QFont ReceiptRenderer::fontAt(double pointSize) const {
    QFont font = m_face;
    font.setPointSizeF(pointSize);
    return font;
}

double ReceiptRenderer::textWidth(const QString& text, double pointSize) const {
    const double pixels = QFontMetricsF(fontAt(pointSize), &m_printer).horizontalAdvance(text);
    return pixels * MillimetresPerInch / m_printer.resolution();
}

double ReceiptRenderer::devicePixels(double millimetres) const {
    return millimetres * m_printer.resolution() / MillimetresPerInch;
}
