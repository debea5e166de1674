#include "checkout/gui/ProductPicker.h"

#include "base/Platform.h"
#include "catalogue/gui/ProductPickList.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

ProductPicker::ProductPicker(Database& database, Platform& platform, QWidget* screen)
    : QObject(screen)
    , m_platform(platform)
    , m_catalogue(database)
    , m_prompt(new QLabel(u"输入中文\\拼音\\编号查询"_s, screen))
    , m_notice(new QLabel(screen))
    , m_barcodeCheck(new QCheckBox(u"扫描条码查询"_s, screen))
    , m_searchBox(new QLineEdit(screen))
    , m_barcodeBox(new QLineEdit(screen))
    , m_pickList(new ProductPickList(m_catalogue, ProductPickList::Shown::Always, screen)) {
    m_prompt->setGeometry(Twips::rect(120, 60, 2280, 240));
    m_notice->setObjectName(u"notice"_s);
    m_notice->setGeometry(Twips::rect(120, 60, 2160, 240));
    QPalette red = m_notice->palette();
    red.setColor(QPalette::WindowText, QColor(0xD0, 0x20, 0x20));
    m_notice->setPalette(red);
    QFont bold = m_notice->font();
    bold.setBold(true);
    m_notice->setFont(bold);
    m_notice->hide();
    m_barcodeCheck->setObjectName(u"Check1"_s);
    m_barcodeCheck->setGeometry(Twips::rect(2280, 30, 1395, 255));
    QFont boxFont = m_searchBox->font();
    boxFont.setPointSize(12);
    for (QLineEdit* box : {m_searchBox, m_barcodeBox}) {
        box->setGeometry(Twips::rect(60, 360, 3615, 345));
        box->setFont(boxFont);
        connect(box, &QLineEdit::textEdited, this, &ProductPicker::clearNotice);
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
    // A click takes the focus to the check box; the cashier's next scan belongs in the box.
    connect(m_barcodeCheck, &QCheckBox::clicked, this, &ProductPicker::focusBox);
    connect(m_pickList, &ProductPickList::picked, this, &ProductPicker::picked);
    connect(m_pickList, &ProductPickList::enterWithoutPick, this, [this] {
        if (barcodeMode())
            refuseScan(m_barcodeBox->text());
    });
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
    clearNotice();
    focusBox();
}

void ProductPicker::focusBox() {
    visibleBox()->setFocus();
}

void ProductPicker::scan(const QString& code) {
    QLineEdit* box = visibleBox();
    {
        const QSignalBlocker blocker(box);
        box->setText(code);
    }
    m_pickList->search(code);
    if (!m_pickList->pickCode(code))
        refuseScan(code);
}

void ProductPicker::showNotice(const QString& text) {
    m_notice->setText(text);
    m_notice->setToolTip(text);
    m_notice->show();
    m_notice->raise();
    m_prompt->hide();
}

void ProductPicker::clearNotice() {
    m_notice->hide();
    m_prompt->show();
}

void ProductPicker::refuseScan(const QString& code) {
    QLineEdit* box = visibleBox();
    box->setFocus();
    box->selectAll();
    m_platform.beep();
    const int found = m_pickList->count();
    showNotice(found == 0 ? u"未找到："_s + code : u"找到%1个商品，请选择"_s.arg(found));
}

QLineEdit* ProductPicker::visibleBox() const {
    return barcodeMode() ? m_barcodeBox : m_searchBox;
}

bool ProductPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pickList->viewport() && event->type() == QEvent::MouseButtonPress)
        Q_EMIT pickListPressed();
    return false;
}
