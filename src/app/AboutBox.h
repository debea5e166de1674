#pragma once

#include <QWidget>

class Platform;

// The program name, version and the maker's contact lines, with a link to the home page.
class AboutBox : public QWidget {
    Q_OBJECT
public:
    AboutBox(Platform& platform, QString dataFolder, QWidget* parent = nullptr);

private:
    Platform& m_platform;
    QString m_dataFolder;
};
