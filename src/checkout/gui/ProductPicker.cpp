#include "checkout/gui/ProductPicker.h"

#include "data/DbError.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ProductPicker::ProductPicker(Database& database, QWidget* screen)
    : QObject(screen)
    , m_catalogue(database)
    , m_prompt(new QLabel(u"输入中文\\拼音\\编号查询"_s, screen))
    , m_barcodeCheck(new QCheckBox(u"扫描条码查询"_s, screen))
    , m_searchBox(new QLineEdit(screen))
    , m_barcodeBox(new QLineEdit(screen))
    , m_pickList(new QListWidget(screen)) {
    m_prompt->setGeometry(Twips::rect(120, 60, 2280, 240));
    m_barcodeCheck->setObjectName(u"Check1"_s);
    m_barcodeCheck->setGeometry(Twips::rect(2280, 30, 1395, 255));
    QFont boxFont = m_searchBox->font();
    boxFont.setPointSize(12);
    for (QLineEdit* box : {m_searchBox, m_barcodeBox}) {
        box->setGeometry(Twips::rect(60, 360, 3615, 345));
        box->setFont(boxFont);
        box->installEventFilter(this);
    }
    m_searchBox->setObjectName(u"Text1"_s);
    m_barcodeBox->setObjectName(u"Text5"_s);
    m_barcodeBox->hide();
    m_pickList->setObjectName(u"pickList"_s);
    m_pickList->setGeometry(Twips::rect(60, 780, 3615, 3840));
    m_pickList->installEventFilter(this);
    m_pickList->viewport()->installEventFilter(this);

    connect(m_barcodeCheck, &QCheckBox::toggled, this, [this](bool on) {
        m_barcodeBox->setVisible(on);
        m_searchBox->setVisible(!on);
    });
    connect(m_searchBox, &QLineEdit::textChanged, this, &ProductPicker::search);
    connect(m_pickList, &QListWidget::itemDoubleClicked, this, &ProductPicker::pickSelected);
}

bool ProductPicker::barcodeMode() const {
    return m_barcodeCheck->isChecked();
}

void ProductPicker::setBarcodeMode(bool on) {
    m_barcodeCheck->setChecked(on);
}

void ProductPicker::reset() {
    {
        const QSignalBlocker blocker(m_searchBox);
        m_searchBox->clear();
    }
    m_barcodeBox->clear();
    search(QString());
    m_pickList->setCurrentRow(-1);
    focusBox();
}

void ProductPicker::focusBox() {
    visibleBox()->setFocus();
}

QLineEdit* ProductPicker::visibleBox() const {
    return barcodeMode() ? m_barcodeBox : m_searchBox;
}

void ProductPicker::search(const QString& text) {
    m_pickList->clear();
    m_entries.clear();
    try {
        m_entries = m_catalogue.pickList(text);
    } catch (const DbError&) {
        return; // the lookup has no messages: a failed search lists nothing
    }
    QStringList texts;
    texts.reserve(m_entries.size());
    for (const PickEntry& entry : std::as_const(m_entries))
        texts.append(entry.text);
    m_pickList->addItems(texts);
    if (m_entries.size() == 1)
        m_pickList->setCurrentRow(0);
}

void ProductPicker::pickSelected() {
    const int row = m_pickList->currentRow();
    if (row < 0 || row >= m_entries.size())
        return;
    const PickEntry entry = m_entries.at(row); // the screen's reset empties the list
    Q_EMIT picked(entry);
}

void ProductPicker::pickTheOnlyEntry() {
    if (m_entries.size() != 1)
        return;
    m_pickList->setCurrentRow(0);
    const PickEntry entry = m_entries.first();
    Q_EMIT picked(entry);
}

bool ProductPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pickList->viewport() && event->type() == QEvent::MouseButtonPress)
        Q_EMIT pickListPressed();
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == m_pickList) {
        if (!isEnter(key))
            return false;
        pickSelected();
        return true;
    }
    if (watched != m_searchBox && watched != m_barcodeBox)
        return false;
    if (key == Qt::Key_Down) {
        m_pickList->setFocus();
        if (m_pickList->count() > 0)
            m_pickList->setCurrentRow(0);
        return true;
    }
    if (!isEnter(key))
        return false;
    if (watched == m_barcodeBox)
        search(m_barcodeBox->text());
    pickTheOnlyEntry();
    return true;
}
