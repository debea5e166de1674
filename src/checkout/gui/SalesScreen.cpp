#include "checkout/gui/SalesScreen.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "base/SettingsBook.h"
#include "checkout/gui/CartView.h"
#include "checkout/gui/HeldCartList.h"
#include "checkout/gui/HistoryPanel.h"
#include "checkout/gui/PaymentBar.h"
#include "checkout/gui/ProductPicker.h"
#include "data/ColumnWidth.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "data/Refusal.h"
#include "ui/EnterKey.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel* label(const QString& text, QWidget* parent, const QRect& geometry, int points = 0,
              bool bold = false) {
    auto* result = new QLabel(text, parent);
    result->setGeometry(geometry);
    if (points > 0 || bold) {
        QFont font = result->font();
        if (points > 0)
            font.setPointSize(points);
        font.setBold(bold);
        result->setFont(font);
    }
    return result;
}

QPixmap savedMarkPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xD0, 0x20, 0x20), 4));
    painter.drawRoundedRect(QRectF(picture.rect()).adjusted(3, 3, -3, -3), 12, 12);
    QFont font = painter.font();
    font.setPixelSize(size.height() / 2);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, u"已保存"_s);
    return picture;
}

const QString UnsavedQuestion = u"当前销售尚未保存，是否保存？"_s;
const QString SaveFailed = u"保存失败："_s;

// Long enough for any product code a scanner may type into the box before Enter tells it
// from an amount.
constexpr int ReceivedBoxLength = ColumnWidth::of(u"商品", u"编号");

} // namespace

SalesScreen::SalesScreen(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_session(context.database)
    , m_picker(new ProductPicker(context.database, context.platform, this))
    , m_history(new HistoryPanel(m_session.book(), context.platform, this))
    , m_cartView(new CartView(m_session.sale().cart, this))
    , m_heldList(new HeldCartList(this)) {
    setObjectName(u"salesScreen"_s);
    setWindowTitle(u"销售管理"_s);
    setFixedSize(Twips::size(Width, Height));
    m_cartView->move(Twips::px(3720), Twips::px(360));
    buildSaleHeader();
    buildTotals();
    buildButtons();
    buildKeys();

    connect(m_picker, &ProductPicker::picked, this, &SalesScreen::addProduct);
    connect(m_picker, &ProductPicker::pickListPressed, m_history, &HistoryPanel::hideMenu);
    connect(m_history, &HistoryPanel::saleChosen, this, &SalesScreen::showSale);
    connect(m_history, &HistoryPanel::deleteChosen, this, &SalesScreen::deleteSale);
    connect(m_cartView, &CartView::cartEdited, this, &SalesScreen::showTotals);
    connect(m_cartView, &CartView::rowSelected, this, [this] { m_deleteButton->setEnabled(true); });
    connect(m_cartView, &CartView::pressed, m_history, &HistoryPanel::hideMenu);
    connect(m_heldList, &HeldCartList::chosen, this, &SalesScreen::resumeSale);
    connect(m_heldList, &HeldCartList::closed, m_picker, &ProductPicker::focusBox);
    m_heldList->raise();

    m_picker->reset();
    m_history->query();
    try {
        m_picker->setBarcodeMode(SettingsBook(context.database).barcodeMode());
    } catch (const DbError&) {
        // without a readable settings row the screen starts in search mode
    }
    startNextSale();
}

void SalesScreen::buildSaleHeader() {
    label(u"编号："_s, this, Twips::rect(3720, 60, 540, 240), 9, true);
    m_saleNumberLabel = label(QString(), this, Twips::rect(4260, 60, 1300, 240), 9, true);
    m_saleNumberLabel->setObjectName(u"saleNumber"_s);
    label(u"日期："_s, this, Twips::rect(5580, 60, 540, 240), 9, true);
    m_saleDateLabel = label(QString(), this, Twips::rect(6120, 60, 1300, 240), 9, true);
    m_saleDateLabel->setObjectName(u"saleDate"_s);
    label(u"F9:添加  F12:保存  F10:修改数量  F11:修改折扣"_s, this,
          Twips::rect(7500, 60, 3915, 240));
    label(u"F2:挂单  F1:取单"_s, this, Twips::rect(11475, 60, 2040, 240));
}

void SalesScreen::buildTotals() {
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(Twips::rect(3840, 6420, 3195, 1275));
    label(u"￥:"_s, frame, Twips::rect(120, 90, 600, 600), 24, true);
    m_total = label(u"0.00"_s, frame, Twips::rect(720, 90, 2400, 600), 24, true);
    m_total->setObjectName(u"total"_s);
    label(u"优惠(￥):"_s, frame, Twips::rect(120, 840, 1200, 330));
    m_discountGiven = label(u"0.00"_s, frame, Twips::rect(1320, 840, 1800, 330));
    m_discountGiven->setObjectName(u"discountGiven"_s);

    label(u"实收"_s, this, Twips::rect(7140, 6600, 780, 405), 15, true);
    m_received = new QLineEdit(this);
    m_received->setObjectName(u"received"_s);
    m_received->setGeometry(Twips::rect(7920, 6600, 1215, 405));
    QFont amountFont = m_received->font();
    amountFont.setPointSize(15);
    amountFont.setBold(true);
    m_received->setFont(amountFont);
    m_received->setMaxLength(ReceivedBoxLength);
    m_received->installEventFilter(this);
    connect(m_received, &QLineEdit::textChanged, this, &SalesScreen::receivedChanged);

    label(u"找零"_s, this, Twips::rect(7140, 7200, 780, 375), 15, true);
    m_change = label(QString(), this, Twips::rect(7920, 7200, 1215, 375), 15, true);
    m_change->setObjectName(u"change"_s);
    m_change->setAutoFillBackground(true);
    QPalette palette = m_change->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    m_change->setPalette(palette);

    m_paymentBar = new PaymentBar(this);
    m_paymentBar->setGeometry(Twips::rect(7140, 7575, 6435, 285));
    connect(m_paymentBar, &PaymentBar::chosen, this, &SalesScreen::choosePayment);

    m_savedMark = new QLabel(this);
    m_savedMark->setObjectName(u"savedMark"_s);
    m_savedMark->setGeometry(Twips::rect(7200, 2400, 2400, 1200));
    m_savedMark->setPixmap(savedMarkPicture(m_savedMark->size()));
    m_savedMark->hide();
    m_savedMarkTimer = new QTimer(this);
    m_savedMarkTimer->setSingleShot(true);
    m_savedMarkTimer->setInterval(SavedMarkMilliseconds);
    connect(m_savedMarkTimer, &QTimer::timeout, m_savedMark, &QWidget::hide);
}

void SalesScreen::buildButtons() {
    struct Design {
        QString caption;
        QString name;
        QStyle::StandardPixmap picture;
        int left;
        int width;
        void (SalesScreen::*action)();
    };
    const Design designs[] = {
        {u"添加(F9)"_s, u"newButton"_s, QStyle::SP_FileIcon, 9480, 975, &SalesScreen::newSale},
        {u"保存(F12)"_s, u"saveButton"_s, QStyle::SP_DialogSaveButton, 10500, 975,
         &SalesScreen::saveSale},
        {u"删  除"_s, u"deleteButton"_s, QStyle::SP_TrashIcon, 11520, 915,
         &SalesScreen::deleteLine},
        {u"打印(F4)"_s, u"printButton"_s, QStyle::SP_FileDialogDetailedView, 12480, 915,
         &SalesScreen::printReceipt},
    };
    for (const Design& design : designs) {
        auto* button = new QToolButton(this);
        button->setObjectName(design.name);
        button->setText(design.caption);
        button->setIcon(style()->standardIcon(design.picture));
        button->setIconSize(QSize(24, 24));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setGeometry(Twips::rect(design.left, 6600, design.width, 855));
        connect(button, &QToolButton::clicked, this, design.action);
        if (design.action == &SalesScreen::newSale)
            m_newButton = button;
        else if (design.action == &SalesScreen::deleteLine)
            m_deleteButton = button;
    }
}

void SalesScreen::buildKeys() {
    std::vector<std::pair<Qt::Key, std::function<void()>>> keys = {
        {Qt::Key_F1, [this] { listHeldCarts(); }},
        {Qt::Key_F2, [this] { holdSale(); }},
        {Qt::Key_F4, [this] { printReceipt(); }},
        {Qt::Key_F9, [this] { newSale(); }},
        {Qt::Key_F10, [this] { m_cartView->focusTopCell(CartView::Quantity); }},
        {Qt::Key_F11, [this] { m_cartView->focusTopCell(CartView::Discount); }},
        {Qt::Key_F12, [this] { saveSale(); }},
    };
    for (const PaymentMethod method : Payment::Methods)
        keys.emplace_back(PaymentBar::keyOf(method), [this, method] { choosePayment(method); });
    for (const auto& [key, action] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }
}

QDate SalesScreen::today() const {
    return m_context.platform.now().date();
}

bool SalesScreen::attempt(const QString& failure, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const Refusal& refusal) {
        m_context.platform.inform(this, failure + refusal.reason());
    } catch (const DbError& error) {
        m_context.platform.inform(this, failure + error.message());
    }
    return false;
}

bool SalesScreen::mayLeaveSale() {
    if (!m_session.isUnsaved())
        return true;
    switch (m_context.platform.askYesNoCancel(this, UnsavedQuestion)) {
    case Platform::Answer::Yes:
        return save();
    case Platform::Answer::No:
        m_session.abandon();
        return true;
    case Platform::Answer::Cancel:
        break;
    }
    return false;
}

void SalesScreen::newSale() {
    if (mayLeaveSale())
        startNextSale();
}

bool SalesScreen::settle() {
    return attempt(SaveFailed, [this] { m_session.settle(); });
}

bool SalesScreen::startNextSale() {
    bool started = false;
    if (!settle() ||
        !attempt(u"读取销售单号失败："_s, [&] { started = m_session.startNext(today()); }))
        return false;
    if (!started) {
        m_context.platform.inform(
            this, u"今天已有%1单销售，单号已用完，不能再开新单。"_s.arg(SaleBook::MaxSalesPerDay));
        return false;
    }
    showCurrentSale();
    m_picker->focusBox();
    return true;
}

void SalesScreen::saveSale() {
    save();
}

bool SalesScreen::save() {
    bool saved = false;
    if (!attempt(SaveFailed, [&] { saved = m_session.save(m_context.platform.now()); }))
        return false;
    if (!saved)
        return true; // nothing new: no second receipt
    m_history->setRange(today(), today());
    m_history->query();
    m_savedMark->show();
    m_savedMark->raise();
    m_savedMarkTimer->start();
    // Selected, so that what comes next, an amount or the next customer's scan, replaces it.
    m_received->setFocus();
    m_received->selectAll();
    Q_EMIT saleSaved(receiptSale());
    return true;
}

void SalesScreen::printReceipt() {
    Q_EMIT printRequested(receiptSale());
}

ReceiptSale SalesScreen::receiptSale() const {
    return ReceiptSale::of(m_session.sale());
}

void SalesScreen::addProduct(const PickEntry& product) {
    // The saved sale's customer has paid: what is scanned now is the next one's.
    if (m_session.isJustSaved() && !startNextSale())
        return;
    m_cartView->refill(m_session.sale().cart.addProduct(product));
    showTotals();
    m_picker->reset();
}

void SalesScreen::deleteLine() {
    if (const std::optional<int> line = m_cartView->selectedLine())
        m_session.sale().cart.removeLine(*line);
    m_cartView->refill();
    m_cartView->resetSelection();
    m_deleteButton->setEnabled(false);
    showTotals();
}

void SalesScreen::showSale(SaleSummary stored) {
    if (!mayLeaveSale() || !settle()) {
        m_history->clearSelection();
        return;
    }
    // An empty cart under the stored number would replace the stored lines on F12.
    if (!attempt(u"读取销售记录失败："_s, [&] { m_session.show(stored); }))
        return;
    showCurrentSale();
}

void SalesScreen::deleteSale() {
    if (!m_context.platform.askYesNo(this, u"该数据删除后将不能恢复，确认删除吗？"_s))
        return;
    bool started = false;
    if (!attempt(SaveFailed,
                 [&] { started = m_session.removeAndStartNext(m_context.platform.now()); }))
        return;
    m_history->query();
    if (started) {
        showCurrentSale();
        m_picker->focusBox();
    }
}

void SalesScreen::receivedEntered() {
    const QString typed = m_received->text();
    if (Sale::canBeAmount(typed)) {
        // A saved sale is done once paid: the next customer's scan belongs in the box, where it
        // begins the next sale; an unsaved one waits for Enter on 添加(F9), which asks.
        if (settle() && m_session.isJustSaved())
            m_picker->focusBox();
        else
            m_newButton->setFocus();
        return;
    }
    // A scanner's code: the next customer's first product, or one more of this one's.
    m_session.forgetStrayReceived();
    showReceived();
    m_picker->scan(typed);
}

void SalesScreen::choosePayment(PaymentMethod method) {
    m_session.sale().payment = method;
    m_paymentBar->showMethod(method);
    showTotals();
}

void SalesScreen::holdSale() {
    if (m_session.sale().cart.isEmpty())
        return;
    bool held = false;
    if (!attempt(SaveFailed, [&] { held = m_session.hold(m_context.platform.now()); }))
        return;
    if (!held) {
        m_picker->showNotice(u"已保存的销售不能挂单"_s);
        return;
    }
    if (!startNextSale())
        showCurrentSale();
    m_picker->showNotice(u"已挂单，按F1取单"_s);
}

void SalesScreen::listHeldCarts() {
    QList<HeldCartSummary> held;
    if (!attempt(u"读取挂单失败："_s, [&] { held = m_session.heldCarts().list(); }))
        return;
    if (held.isEmpty()) {
        m_picker->showNotice(u"没有挂单"_s);
        return;
    }
    m_heldList->open(held);
}

void SalesScreen::resumeSale(qint64 heldId) {
    if (!mayLeaveSale() || !startNextSale())
        return;
    if (attempt(u"取单失败："_s, [&] { m_session.resume(heldId); }))
        showCurrentSale();
}

void SalesScreen::showCurrentSale() {
    showSaleHeader();
    m_cartView->refill();
    m_cartView->resetSelection();
    m_deleteButton->setEnabled(false);
    m_paymentBar->showMethod(m_session.sale().payment);
    showTotals();
    showReceived();
}

void SalesScreen::showSaleHeader() {
    m_saleNumberLabel->setText(m_session.sale().number);
    m_saleDateLabel->setText(DateText::format(m_session.sale().date));
}

void SalesScreen::showTotals() {
    const Cart::Totals totals = m_session.sale().cart.totals();
    m_total->setText(totals.total.moneyText());
    m_discountGiven->setText(totals.discountGiven.moneyText());
    // Paid otherwise than in cash, the customer hands over the total unless told otherwise.
    const bool cash = m_session.sale().payment == PaymentMethod::Cash;
    m_received->setPlaceholderText(cash ? QString() : totals.total.moneyText());
}

void SalesScreen::showReceived() {
    {
        const QSignalBlocker blocker(m_received);
        m_received->setText(m_session.sale().received());
    }
    m_change->setText(m_session.sale().changeText());
    showTotals();
}

void SalesScreen::receivedChanged(const QString& text) {
    m_session.sale().receive(text);
    m_change->setText(Sale::canBeAmount(text) ? m_session.sale().changeText() : QString());
}

void SalesScreen::closeEvent(QCloseEvent* event) {
    if (!mayLeaveSale()) {
        event->ignore();
        return;
    }
    settle(); // a failure is shown; the screen closes all the same
    try {
        SettingsBook(m_context.database).saveBarcodeMode(m_picker->barcodeMode());
    } catch (const DbError& error) {
        m_context.platform.inform(this, SaveFailed + error.message());
    }
    QWidget::closeEvent(event);
}

void SalesScreen::mousePressEvent(QMouseEvent* event) {
    m_history->hideMenu();
    QWidget::mousePressEvent(event);
}

bool SalesScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_received || !isEnterPress(event))
        return false;
    receivedEntered();
    return true;
}
