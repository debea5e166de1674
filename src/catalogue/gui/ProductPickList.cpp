#include "catalogue/gui/ProductPickList.h"

#include "catalogue/ProductCatalogue.h"
#include "data/DbError.h"
#include "ui/EnterKey.h"

#include <QKeyEvent>
#include <QLineEdit>

ProductPickList::ProductPickList(ProductCatalogue& catalogue, Shown shown, QWidget* parent)
    : QListWidget(parent)
    , m_catalogue(catalogue)
    , m_shown(shown) {
    if (shown == Shown::WhileMatching)
        hide();
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { pick(currentRow()); });
}

void ProductPickList::serve(QLineEdit* box, Searched searched) {
    box->installEventFilter(this);
    if (searched == Searched::OnEnter)
        m_searchedOnEnter.append(box);
    else
        connect(box, &QLineEdit::textChanged, this, &ProductPickList::search);
}

void ProductPickList::search(const QString& text) {
    if (m_shown == Shown::WhileMatching && text.trimmed().isEmpty()) {
        hide();
        return;
    }
    clear();
    m_entries.clear();
    try {
        m_entries = m_catalogue.pickList(text);
    } catch (const DbError&) {
        // the lookup has no messages: a failed search lists nothing
    }
    QStringList texts;
    texts.reserve(m_entries.size());
    for (const PickEntry& entry : std::as_const(m_entries))
        texts.append(entry.text);
    addItems(texts);
    if (m_shown == Shown::WhileMatching)
        setVisible(!m_entries.isEmpty());
    if (m_entries.size() == 1)
        setCurrentRow(0);
}

void ProductPickList::pick(int row) {
    if (row < 0 || row >= m_entries.size())
        return;
    const PickEntry entry = m_entries.at(row); // a new search may empty the list meanwhile
    Q_EMIT picked(entry);
}

void ProductPickList::keyPressEvent(QKeyEvent* event) {
    if (!isEnterPress(event)) {
        QListWidget::keyPressEvent(event);
        return;
    }
    pick(currentRow());
}

bool ProductPickList::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || event->type() != QEvent::KeyPress)
        return false;
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        if (isHidden())
            return false;
        setFocus();
        if (count() > 0)
            setCurrentRow(0);
        return true;
    }
    if (!isEnterPress(event))
        return false;
    if (m_searchedOnEnter.contains(box))
        search(box->text());
    if (!pickCode(box->text()))
        Q_EMIT enterWithoutPick();
    return true;
}

bool ProductPickList::pickCode(const QString& text) {
    QList<PickEntry> exact;
    try {
        exact = m_catalogue.withCode(text);
    } catch (const DbError&) {
        // then the listed search decides alone
    }
    if (exact.size() == 1) {
        Q_EMIT picked(exact.first());
        return true;
    }
    if (m_entries.size() != 1)
        return false;
    setCurrentRow(0);
    pick(0);
    return true;
}
