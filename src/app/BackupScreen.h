#pragma once

#include <QStringList>
#include <QWidget>

class BackupListModel;
class CopyInspector;
class QTreeView;
struct AppContext;
struct CopyFacts;

// 数据备份与恢复: the copies of the shop database that could be put back, what each holds and
// whether it is whole; a copy to a folder of the user's choice; a restore, which the main
// window carries out once this screen has asked the question.
class BackupScreen : public QWidget {
    Q_OBJECT
public:
    // `chosenFolders`, kept by the caller, lists the folders the user backed up to or pointed
    // at, so that a stick's copies are listed again when the screen is opened again.
    BackupScreen(AppContext& context, QString backupFolder, QStringList& chosenFolders,
                 QWidget* parent = nullptr);

Q_SIGNALS:
    // The user confirmed putting back this copy, made at `written` ("8日 21:14").
    void restoreWanted(const QString& copy, const QString& written);

private:
    void fillList();
    void backUpNow();
    void addFolder();
    void remember(const QString& folder);
    void restoreSelected();

    AppContext& m_context;
    QString m_backupFolder;
    QStringList& m_chosenFolders;
    BackupListModel* m_model;
    QTreeView* m_list;
    CopyInspector* m_inspector;
};
