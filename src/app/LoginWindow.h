#pragma once

#include <QWidget>

class Platform;
class QLineEdit;
class QLabel;

// The first window: one shop password guards the whole program.
class LoginWindow : public QWidget {
    Q_OBJECT
public:
    LoginWindow(Platform& platform, QString storedPassword, QWidget* parent = nullptr);

Q_SIGNALS:
    void loggedIn();  // the window has hidden itself
    void cancelled(); // Cancel or the close box: the program ends

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void tryLogin();

    Platform& m_platform;
    QString m_storedPassword;
    QLineEdit* m_password = nullptr;
    QLabel* m_hint = nullptr;
    bool m_loggedIn = false;
};
