#include "app/LoginWindow.h"

#include "app/LoginCheck.h"
#include "base/Platform.h"
#include "ui/Placed.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every typed character shows as "*", whatever the desktop theme prefers.
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return u'*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The two decorations: a till drawer and a key, drawn rather than shipped as images.
QPixmap drawTill(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x30, 0x40, 0x60), 2));
    painter.setBrush(QColor(0x90, 0xA3, 0xB2));
    painter.drawRoundedRect(QRectF(size * 0.1, size * 0.45, size * 0.8, size * 0.4), 4, 4);
    painter.setBrush(QColor(0xC0, 0xFF, 0xFF));
    painter.drawRect(QRectF(size * 0.25, size * 0.15, size * 0.5, size * 0.25));
    painter.setBrush(QColor(0x30, 0x40, 0x60));
    painter.drawRect(QRectF(size * 0.35, size * 0.62, size * 0.3, size * 0.06));
    return pixmap;
}

QPixmap drawKey(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xB0, 0x80, 0x20), size / 10.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(size * 0.12, size * 0.3, size * 0.35, size * 0.35));
    painter.drawLine(QPointF(size * 0.47, size * 0.475), QPointF(size * 0.9, size * 0.475));
    painter.drawLine(QPointF(size * 0.78, size * 0.475), QPointF(size * 0.78, size * 0.65));
    painter.drawLine(QPointF(size * 0.66, size * 0.475), QPointF(size * 0.66, size * 0.6));
    return pixmap;
}

} // namespace

LoginWindow::LoginWindow(Platform& platform, QString storedPassword, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_storedPassword(std::move(storedPassword)) {
    setWindowTitle(u"登录"_s);
    setFixedSize(Twips::size(5400, 3300));

    auto* till = new QLabel(this);
    till->setPixmap(drawTill(Twips::px(720)));
    till->setGeometry(Twips::rect(240, 180, 720, 720));
    auto* key = new QLabel(this);
    key->setPixmap(drawKey(Twips::px(720)));
    key->setGeometry(Twips::rect(4440, 180, 720, 720));

    auto* name = new QLabel(u"Vellor零售店收银软件"_s, this);
    QFont nameFont = name->font();
    nameFont.setPointSize(14);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(Twips::rect(960, 300, 3480, 480));

    auto* prompt = new QLabel(u"请输入登录密码"_s, this);
    prompt->setGeometry(Twips::rect(360, 1140, 1560, 300));
    m_hint = new QLabel(u"(原始密码：739)"_s, this);
    m_hint->setObjectName(u"hint"_s);
    m_hint->setStyleSheet(u"color: #0000C0;"_s);
    m_hint->setGeometry(Twips::rect(1920, 1140, 2400, 300));
    m_hint->setVisible(LoginCheck::showsFactoryHint(m_storedPassword));

    m_password = placed<QLineEdit>(this, u"password"_s, Twips::rect(360, 1500, 4680, 360));
    m_password->setMaxLength(15);
    m_password->setStyle(new StarPasswordStyle);
    m_password->setEchoMode(QLineEdit::Password);

    auto* ok = placed<QPushButton>(this, u"ok"_s, Twips::rect(1200, 2280, 1215, 435), u"确  定"_s);
    auto* cancel =
        placed<QPushButton>(this, u"cancel"_s, Twips::rect(2985, 2280, 1215, 435), u"取  消"_s);

    connect(m_password, &QLineEdit::returnPressed, this, &LoginWindow::tryLogin);
    connect(ok, &QPushButton::clicked, this, &LoginWindow::tryLogin);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void LoginWindow::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2,
             area.y() + (area.height() - frameGeometry().height()) / 2);
    }
    m_password->setFocus();
    QWidget::showEvent(event);
}

void LoginWindow::tryLogin() {
    if (!LoginCheck::accepts(m_password->text(), m_storedPassword)) {
        m_platform.inform(this, u"密码错误！"_s);
        return;
    }
    m_loggedIn = true;
    hide();
    Q_EMIT loggedIn();
}

void LoginWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_loggedIn)
        Q_EMIT cancelled();
}
