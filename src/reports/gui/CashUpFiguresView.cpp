#include "reports/gui/CashUpFiguresView.h"

#include "ui/Placed.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int LeftColumnSections = 2;
constexpr int ColumnWidth = 4200;
constexpr int ColumnGap = 210;
constexpr int BoxGap = 120;
constexpr int FirstRowTop = 330;
constexpr int RowHeight = 300;
constexpr int BoxBottom = 120;
constexpr int LabelLeft = 180;
constexpr int LabelWidth = 1800;
constexpr int ValueLeft = 2040;
constexpr int ValueWidth = 1980;

// What the drawer should hold is what the cashier counts against: it stands out.
const QString DrawerFigure = u"应有现金"_s;

} // namespace

CashUpFiguresView::CashUpFiguresView(QWidget* parent)
    : QWidget(parent) {}

void CashUpFiguresView::show(const QList<CashUpSection>& sections) {
    qDeleteAll(findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly));
    int tops[] = {0, 0};
    for (qsizetype index = 0; index < sections.size(); ++index) {
        const CashUpSection& section = sections.at(index);
        const int column = index < LeftColumnSections ? 0 : 1;
        const int height = FirstRowTop + int(section.figures.size()) * RowHeight + BoxBottom;
        auto* box = placed<QGroupBox>(
            this, QString(),
            Twips::rect(column * (ColumnWidth + ColumnGap), tops[column], ColumnWidth, height),
            section.heading);
        tops[column] += height + BoxGap;
        int top = FirstRowTop;
        for (const CashUpFigure& figure : section.figures) {
            placed<QLabel>(box, QString(), Twips::rect(LabelLeft, top, LabelWidth, RowHeight),
                           figure.label);
            auto* value =
                placed<QLabel>(box, figure.label,
                               Twips::rect(ValueLeft, top, ValueWidth, RowHeight), figure.text());
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (figure.label == DrawerFigure) {
                QFont bold = value->font();
                bold.setBold(true);
                value->setFont(bold);
            }
            top += RowHeight;
        }
        box->show();
    }
}
