#include "checkout/gui/ProductPicker.h"

#include "catalogue/gui/ProductPickList.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

ProductPicker::ProductPicker(Database& database, QWidget* screen)
    : QObject(screen)
    , m_catalogue(database)
    , m_prompt(new QLabel(u"输入中文\\拼音\\编号查询"_s, screen))
    , m_barcodeCheck(new QCheckBox(u"扫描条码查询"_s, screen))
    , m_searchBox(new QLineEdit(screen))
    , m_barcodeBox(new QLineEdit(screen))
    , m_pickList(new ProductPickList(m_catalogue, ProductPickList::Shown::Always, screen)) {
    m_prompt->setGeometry(Twips::rect(120, 60, 2280, 240));
    m_barcodeCheck->setObjectName(u"Check1"_s);
    m_barcodeCheck->setGeometry(Twips::rect(2280, 30, 1395, 255));
    QFont boxFont = m_searchBox->font();
    boxFont.setPointSize(12);
    for (QLineEdit* box : {m_searchBox, m_barcodeBox}) {
        box->setGeometry(Twips::rect(60, 360, 3615, 345));
        box->setFont(boxFont);
    }
    m_searchBox->setObjectName(u"Text1"_s);
    m_barcodeBox->setObjectName(u"Text5"_s);
    m_barcodeBox->hide();
    m_pickList->setObjectName(u"pickList"_s);
    m_pickList->setGeometry(Twips::rect(60, 780, 3615, 3840));
    m_pickList->serve(m_searchBox, ProductPickList::Searched::AsTyped);
    m_pickList->serve(m_barcodeBox, ProductPickList::Searched::OnEnter);
    m_pickList->viewport()->installEventFilter(this);

    connect(m_barcodeCheck, &QCheckBox::toggled, this, [this](bool on) {
        m_barcodeBox->setVisible(on);
        m_searchBox->setVisible(!on);
    });
    connect(m_pickList, &ProductPickList::picked, this, &ProductPicker::picked);
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
    m_pickList->search(QString());
    m_pickList->setCurrentRow(-1);
    focusBox();
}

void ProductPicker::focusBox() {
    visibleBox()->setFocus();
}

QLineEdit* ProductPicker::visibleBox() const {
    return barcodeMode() ? m_barcodeBox : m_searchBox;
}

bool ProductPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pickList->viewport() && event->type() == QEvent::MouseButtonPress)
        Q_EMIT pickListPressed();
    return false;
}
