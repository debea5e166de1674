#pragma once

#include "base/SettingsBook.h"
#include "data/SettingsRow.h"

#include <QWidget>

class Database;
class Platform;
class ReceiptRouteFrame;
class TillPrinter;
class QCheckBox;
class QComboBox;
class QLineEdit;
struct AppContext;

// "结合设置": the receipt settings, the two printers, the way receipts reach the printer and
// the login password. Its fields are filled from the stored row when it is made, and they are
// what the program reads as the current settings for as long as the window lives.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    SettingsWindow(AppContext& context, TillPrinter& till, QWidget* parent = nullptr);

    // The fields as they stand, saved or not; 密码 and 条码 as read when the window opened.
    SettingsRow fields() const;

    // Places the window over the main window, as every screen is placed.
    void placeOver(const QWidget& mainWindow);

Q_SIGNALS:
    void finished(); // closed by save, cancel, a changed password or the close box

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* addLineEdit(QWidget* parent, const QString& name, const QRect& geometry,
                           int maxLength);
    QLineEdit* addMarginBox(QWidget* parent, const QString& name, int left, const QString& shown);
    QComboBox* addPrinterList(QWidget* parent, const QString& name, const QRect& geometry,
                              int maxLength);
    void buildReceiptFrame();
    void buildPasswordFrame();
    void load();
    void save();
    void changePassword();

    Platform& m_platform;
    Database& m_database;
    SettingsBook m_book;
    TillPrinter& m_till;
    ReceiptRouteFrame* m_routeFrame = nullptr;
    SettingsRow m_loaded;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_footers[3] = {};
    QComboBox* m_defaultPrinter = nullptr;
    QComboBox* m_receiptPrinter = nullptr;
    QLineEdit* m_leftMargin = nullptr;
    QLineEdit* m_topMargin = nullptr;
    QCheckBox* m_autoPrint = nullptr;
    QLineEdit* m_oldPassword = nullptr;
    QLineEdit* m_newPassword = nullptr;
};
