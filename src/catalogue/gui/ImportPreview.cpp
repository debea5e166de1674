#include "catalogue/gui/ImportPreview.h"

using namespace Qt::Literals::StringLiterals;

QString ImportPreview::actionText(const ImportRow& row) {
    switch (row.action) {
    case ImportAction::Create:
        return u"新增"_s;
    case ImportAction::Update:
        return u"更新"_s;
    case ImportAction::Skip:
        return u"跳过："_s + row.reason;
    case ImportAction::Refuse:
        break;
    }
    return u"拒绝："_s + row.reason;
}

void ImportPreview::setPlan(ImportPlan plan) {
    m_plan = std::move(plan);
    choose();
}

void ImportPreview::setLeftOutOnly(bool leftOutOnly) {
    m_leftOutOnly = leftOutOnly;
    choose();
}

void ImportPreview::choose() {
    m_shown.clear();
    for (qsizetype row = 0; row < m_plan.rows.size(); ++row) {
        const ImportAction action = m_plan.rows.at(row).action;
        if (!m_leftOutOnly || action == ImportAction::Skip || action == ImportAction::Refuse)
            m_shown.append(row);
    }
}

QStringList ImportPreview::texts(int record) const {
    const qsizetype planned = m_shown.at(record);
    const ImportRow& row = m_plan.rows.at(planned);
    QStringList texts{QString::number(row.number), actionText(row)};
    const QStringList& cells = sheet.at(first + planned).cells;
    for (int column = 0; column < columns; ++column)
        texts.append(cells.value(column));
    return texts;
}
