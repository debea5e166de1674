#pragma once

#include "base/AppContext.h"
#include "checkout/gui/SalesScreen.h"
#include "support/FakePlatform.h"
#include "support/TempShop.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <memory>

// A sales screen on a throw-away shop, shown and active so that its keys work offscreen.
class ScreenFixture {
public:
    explicit ScreenFixture(QDate today = QDate(2017, 3, 13)) {
        platform.clock = QDateTime(today, QTime(10, 0));
        open();
    }

    void open() {
        screen = std::make_unique<SalesScreen>(context);
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("the sales screen did not become active");
    }
    void reopen() {
        screen->close();
        screen.reset();
        open();
    }

    template <typename T = QWidget> T* find(const QString& name) const {
        T* widget = screen->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no widget named %s", qPrintable(name));
        return widget;
    }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    QListWidget* list(const QString& name) const { return find<QListWidget>(name); }
    QString text(const QString& name) const { return find<QLabel>(name)->text(); }
    QLineEdit* cell(int row, int column) const {
        return find<QLineEdit>(
            QString(u"cell_" + QString::number(row) + u'_' + QString::number(column)));
    }
    QString cellText(int row, int column) const {
        const QString name = u"cell_" + QString::number(row) + u'_' + QString::number(column);
        if (auto* edit = screen->findChild<QLineEdit*>(name))
            return edit->text();
        return find<QLabel>(name)->text();
    }
    QScrollBar* scrollBar() const { return find<QScrollBar>(QStringLiteral("VS1")); }

    // Types any text, Chinese included, as key presses into the widget.
    static void type(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static void replace(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        type(edit, text);
    }
    void key(Qt::Key key) const { QTest::keyClick(QApplication::focusWidget(), key); }
    void click(const QString& button) const {
        QTest::mouseClick(find<QToolButton>(button), Qt::LeftButton);
    }
    void clickBand(int row) const {
        QTest::mouseClick(find(QString(u"band_" + QString::number(row))), Qt::LeftButton,
                          Qt::NoModifier, QPoint(2, 2));
    }
    void clickHistory(int row, Qt::MouseButton button = Qt::LeftButton) const {
        QListWidget* history = list(QStringLiteral("historyList"));
        const QPoint at = history->visualItemRect(history->item(row)).center();
        QTest::mouseClick(history->viewport(), button, Qt::NoModifier, at);
    }
    // What a scanner does: the code typed into the focused box, then Enter.
    static void scan(const QString& code) {
        type(QApplication::focusWidget(), code);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    // Searches and adds the one product the text finds, as the cashier would.
    void pick(const QString& text) const {
        QLineEdit* search = box(QStringLiteral("Text1"));
        search->setFocus();
        type(search, text);
        QTest::keyClick(search, Qt::Key_Return);
    }

    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    std::unique_ptr<SalesScreen> screen;
};
