#include "app/AboutBox.h"

#include "app/HelpManual.h"
#include "ui/Twips.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

AboutBox::AboutBox(Platform& platform, QString dataFolder, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_dataFolder(std::move(dataFolder)) {
    setWindowTitle(u"关于"_s);
    setFixedSize(Twips::size(6000, 3000));

    auto* name = new QLabel(u"Vellor零售店收银软件"_s, this);
    QFont nameFont = name->font();
    nameFont.setPointSize(14);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setGeometry(Twips::rect(360, 240, 5280, 480));

    const QString lines[] = {u"版本：V2.0"_s, u"开发：Vellor软件工作室"_s,
                             u"电子邮件：support@vellor.example"_s};
    int top = 900;
    for (const QString& text : lines) {
        auto* line = new QLabel(text, this);
        line->setGeometry(Twips::rect(360, top, 5280, 300));
        top += 360;
    }

    auto* link = new QLabel(u"主页：<a href=\"home\">Vellor软件工作室</a>"_s, this);
    link->setObjectName(u"homePage"_s);
    link->setTextFormat(Qt::RichText);
    link->setGeometry(Twips::rect(360, top + 60, 5280, 300));
    connect(link, &QLabel::linkActivated, this, [this] {
        HelpManual::show(m_platform, m_dataFolder, HelpManual::Page::HomePage, this);
    });
}
