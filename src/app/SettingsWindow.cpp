#include "app/SettingsWindow.h"

#include "app/ChildPlacement.h"
#include "app/ReceiptRouteFrame.h"
#include "base/AppContext.h"
#include "base/Platform.h"
#include "checkout/ReceiptRouteBook.h"
#include "checkout/gui/TillPrinter.h"
#include "data/ColumnWidth.h"
#include "data/DbError.h"
#include "data/Decimal.h"
#include "data/Refusal.h"
#include "data/Transaction.h"
#include "ui/Placed.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int PasswordLength = 15;

void addLabel(QWidget* parent, const QString& caption, const QRect& geometry) {
    (new QLabel(caption, parent))->setGeometry(geometry);
}

// What "测试打印" prints: one article of every column, today's date.
ReceiptSale testSale(QDate today) {
    return {u"测试打印"_s,
            today.toString(u"yyyy-MM-dd"_s),
            {{u"测试商品"_s, u"1"_s, u"1.00"_s, u"1"_s, u"1.00"_s}},
            u"1.00"_s,
            u"0.00"_s,
            u"1"_s,
            u"0.00"_s,
            u"现金"_s};
}

} // namespace

SettingsWindow::SettingsWindow(AppContext& context, TillPrinter& till, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_platform(context.platform)
    , m_database(context.database)
    , m_book(context.database)
    , m_till(till) {
    setWindowTitle(u"结合设置"_s);
    setFixedSize(Twips::size(6900, 8340));
    buildReceiptFrame();
    m_routeFrame = new ReceiptRouteFrame(this);
    m_routeFrame->setGeometry(Twips::rect(240, 4140, 6420, 1620));
    connect(m_routeFrame, &ReceiptRouteFrame::testPrintRequested, this, [this] {
        m_till.printWith(testSale(m_platform.now().date()), fields(), m_routeFrame->route());
    });
    buildPasswordFrame();
    auto* save =
        placed<QPushButton>(this, u"save"_s, Twips::rect(1560, 7620, 1215, 435), u"保  存"_s);
    auto* cancel =
        placed<QPushButton>(this, u"cancel"_s, Twips::rect(4125, 7620, 1215, 435), u"取  消"_s);
    connect(save, &QPushButton::clicked, this, &SettingsWindow::save);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    load();
}

QLineEdit* SettingsWindow::addLineEdit(QWidget* parent, const QString& name, const QRect& geometry,
                                       int maxLength) {
    auto* edit = placed<QLineEdit>(parent, name, geometry);
    edit->setMaxLength(maxLength);
    connect(edit, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    return edit;
}

QLineEdit* SettingsWindow::addMarginBox(QWidget* parent, const QString& name, int left,
                                        const QString& shown) {
    QLineEdit* box = addLineEdit(parent, name, Twips::rect(left, 2880, 780, 330),
                                 ColumnWidth::of(u"设置", u"左边距"));
    box->setText(shown);
    box->setToolTip(u"0到%1毫米"_s.arg(SettingsRow::LargestMargin));
    addLabel(parent, u"mm"_s, Twips::rect(left + 810, 2910, 360, 300));
    return box;
}

QComboBox* SettingsWindow::addPrinterList(QWidget* parent, const QString& name,
                                          const QRect& geometry, int maxLength) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true); // a stored name that is no longer installed still shows
    list->lineEdit()->setMaxLength(maxLength);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setGeometry(geometry);
    return list;
}

void SettingsWindow::buildReceiptFrame() {
    auto* frame = new QGroupBox(u"小票打印设置"_s, this);
    frame->setGeometry(Twips::rect(240, 120, 6420, 3900));
    addLabel(frame, u"小票标题"_s, Twips::rect(240, 420, 1200, 300));
    m_title = addLineEdit(frame, u"title"_s, Twips::rect(1500, 390, 4680, 330),
                          ColumnWidth::of(u"设置", u"标题"));
    addLabel(frame, u"小票结尾"_s, Twips::rect(240, 840, 1200, 300));
    for (int i = 0; i < 3; ++i)
        m_footers[i] = addLineEdit(frame, u"footer"_s + QString::number(i + 1),
                                   Twips::rect(1500, 810 + i * 390, 4680, 330),
                                   ColumnWidth::of(u"设置", u"结尾1"));
    addLabel(frame, u"默认打印机"_s, Twips::rect(240, 2070, 1200, 300));
    m_defaultPrinter = addPrinterList(frame, u"text17"_s, Twips::rect(1500, 2040, 4680, 330),
                                      ColumnWidth::of(u"设置", u"默认打印机"));
    addLabel(frame, u"小票打印机"_s, Twips::rect(240, 2490, 1200, 300));
    m_receiptPrinter = addPrinterList(frame, u"text19"_s, Twips::rect(1500, 2460, 4680, 330),
                                      ColumnWidth::of(u"设置", u"小票打印机"));
    addLabel(frame, u"打印左边距"_s, Twips::rect(240, 2910, 1200, 300));
    m_leftMargin = addMarginBox(frame, u"leftMargin"_s, 1500, u"120"_s);
    addLabel(frame, u"打印上边距"_s, Twips::rect(2700, 2910, 1200, 300));
    m_topMargin = addMarginBox(frame, u"topMargin"_s, 3960, u"200"_s);
    m_autoPrint = new QCheckBox(u"保存后直接打印小票"_s, frame);
    m_autoPrint->setObjectName(u"autoPrint"_s);
    m_autoPrint->setGeometry(Twips::rect(1500, 3360, 4200, 330));
}

void SettingsWindow::buildPasswordFrame() {
    auto* frame = new QGroupBox(u"修改登录密码"_s, this);
    frame->setGeometry(Twips::rect(240, 5880, 6420, 1500));
    addLabel(frame, u"原密码"_s, Twips::rect(240, 420, 900, 300));
    m_oldPassword =
        addLineEdit(frame, u"oldPassword"_s, Twips::rect(1140, 390, 1950, 330), PasswordLength);
    addLabel(frame, u"新密码"_s, Twips::rect(3240, 420, 900, 300));
    m_newPassword =
        addLineEdit(frame, u"newPassword"_s, Twips::rect(4140, 390, 1950, 330), PasswordLength);
    auto* change = placed<QPushButton>(frame, u"changePassword"_s,
                                       Twips::rect(4650, 870, 1440, 420), u"修改密码"_s);
    connect(change, &QPushButton::clicked, this, &SettingsWindow::changePassword);
}

void SettingsWindow::load() {
    m_loaded = fields();
    try {
        m_book.readInto(m_loaded);
        m_routeFrame->setRoute(ReceiptRouteBook(m_database).read());
    } catch (const DbError&) {
        // An unreadable row leaves the fields as they are; the user may still type them.
    }
    m_title->setText(m_loaded.title);
    m_footers[0]->setText(m_loaded.footer1);
    m_footers[1]->setText(m_loaded.footer2);
    m_footers[2]->setText(m_loaded.footer3);
    m_leftMargin->setText(m_loaded.leftMargin.plainText());
    m_topMargin->setText(m_loaded.topMargin.plainText());
    m_autoPrint->setChecked(m_loaded.autoPrint);
    const QStringList printers = m_platform.printerNames();
    const QString systemDefault = m_platform.defaultPrinterName();
    const std::pair<QComboBox*, QString> lists[] = {{m_defaultPrinter, m_loaded.defaultPrinter},
                                                    {m_receiptPrinter, m_loaded.receiptPrinter}};
    for (const auto& [list, stored] : lists) {
        list->addItems(printers);
        list->setEditText(stored.isEmpty() ? systemDefault : stored);
    }
}

SettingsRow SettingsWindow::fields() const {
    SettingsRow row = m_loaded;
    row.title = m_title->text();
    row.footer1 = m_footers[0]->text();
    row.footer2 = m_footers[1]->text();
    row.footer3 = m_footers[2]->text();
    row.leftMargin = Decimal::read(m_leftMargin->text());
    row.topMargin = Decimal::read(m_topMargin->text());
    row.autoPrint = m_autoPrint->isChecked();
    row.defaultPrinter = m_defaultPrinter->currentText();
    row.receiptPrinter = m_receiptPrinter->currentText();
    return row;
}

void SettingsWindow::placeOver(const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    move(main.topLeft() + childPlacement(main.size(), frameGeometry().size()));
}

void SettingsWindow::save() {
    QStringList refused;
    try {
        Transaction transaction(m_database);
        refused = m_book.saveReceiptSettings(fields());
        ReceiptRouteBook(m_database).write(m_routeFrame->route());
        transaction.commit();
    } catch (const Refusal& refusal) {
        refused = {refusal.reason()};
    } catch (const DbError& error) {
        refused = {error.message()};
    }
    if (!refused.isEmpty()) {
        m_platform.inform(this, u"保存失败："_s + refused.join(u'，'));
        return;
    }
    close();
}

void SettingsWindow::changePassword() {
    auto result = SettingsBook::PasswordChange::NewPasswordEmpty;
    try {
        result = m_book.changePassword(m_oldPassword->text(), m_newPassword->text());
    } catch (const Refusal& refusal) {
        m_platform.inform(this, u"保存失败："_s + refusal.reason());
        return;
    } catch (const DbError& error) {
        m_platform.inform(this, u"保存失败："_s + error.message());
        return;
    }
    switch (result) {
    case SettingsBook::PasswordChange::NewPasswordEmpty:
        m_platform.inform(this, u"请输入新密码！"_s);
        break;
    case SettingsBook::PasswordChange::OldPasswordWrong:
        hide();
        m_platform.inform(this, u"原密码不正确，无法修改密码！"_s);
        show();
        break;
    case SettingsBook::PasswordChange::Changed:
        hide();
        m_platform.inform(this, u"修改密码成功，请牢记新密码！"_s);
        close(); // unsaved edits of the other fields go with the window
        break;
    }
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT finished();
}
