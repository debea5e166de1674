#include "app/BackupScreen.h"

#include "app/BackupListModel.h"
#include "base/AppContext.h"
#include "base/Platform.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "shopfile/BackupCopies.h"
#include "shopfile/CopyInspector.h"
#include "shopfile/ShopBackup.h"
#include "ui/Placed.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

// The hourglass while the disk works on the user-interface thread.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

BackupScreen::BackupScreen(AppContext& context, QString backupFolder, QStringList& chosenFolders,
                           QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_backupFolder(std::move(backupFolder))
    , m_chosenFolders(chosenFolders)
    , m_model(new BackupListModel(this))
    , m_inspector(new CopyInspector(this)) {
    setWindowTitle(u"数据备份与恢复"_s);
    setFixedSize(Twips::size(11760, 7200));

    auto* intro = placed<QLabel>(this, u"intro"_s, Twips::rect(120, 120, 11520, 600));
    intro->setWordWrap(true);
    intro->setText(u"每次退出程序时，数据自动备份到 "_s + QDir::toNativeSeparators(m_backupFolder) +
                   u"，每月的每一天一份。也可以随时备份到U盘，或从任何一份完好的备份恢复。"_s);

    m_list = placed<QTreeView>(this, u"copyList"_s, Twips::rect(120, 780, 11520, 5400));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);
    const int widths[] = {3000, 1800, 1200, 1020, 2400, 1800};
    for (int column = 0; column < BackupListModel::ColumnCount; ++column)
        m_list->header()->resizeSection(column, Twips::px(widths[column]));

    const auto button = [this](const QString& name, int left, const QString& caption) {
        return placed<QPushButton>(this, name, Twips::rect(left, 6420, 1800, 450), caption);
    };
    connect(button(u"backUpNow"_s, 120, u"立即备份…"_s), &QPushButton::clicked, this,
            &BackupScreen::backUpNow);
    connect(button(u"addFolder"_s, 2040, u"查找其他备份…"_s), &QPushButton::clicked, this,
            &BackupScreen::addFolder);
    connect(button(u"restore"_s, 9840, u"恢复"_s), &QPushButton::clicked, this,
            &BackupScreen::restoreSelected);
    connect(m_inspector, &CopyInspector::inspected, m_model, &BackupListModel::setFacts);
    fillList();
}

void BackupScreen::fillList() {
    QList<BackupCopy> copies;
    QStringList seen{QFileInfo(m_context.database.path()).absoluteFilePath()};
    for (const QString& folder : QStringList{m_backupFolder} + m_chosenFolders) {
        for (const BackupCopy& copy : BackupCopies::in(folder)) {
            if (!seen.contains(copy.path)) {
                seen.append(copy.path);
                copies.append(copy);
            }
        }
    }
    m_model->setCopies(copies);
    for (const BackupCopy& copy : copies)
        m_inspector->inspect(copy.path);
}

void BackupScreen::backUpNow() {
    Platform& platform = m_context.platform;
    const QString folder = platform.folderName(this, u"备份到哪个文件夹（例如U盘）"_s);
    if (folder.isEmpty())
        return;
    QString copy;
    try {
        BusyCursor busy;
        copy = ShopBackup::saveTo(m_context.database, folder, platform.now());
    } catch (const DbError& error) {
        platform.warn(this, u"备份失败："_s + error.message());
        return;
    }
    remember(folder);
    platform.inform(this, u"已备份到：\n"_s + QDir::toNativeSeparators(copy));
}

void BackupScreen::addFolder() {
    const QString folder = m_context.platform.folderName(this, u"备份在哪个文件夹"_s);
    if (!folder.isEmpty())
        remember(folder);
}

void BackupScreen::remember(const QString& folder) {
    if (!m_chosenFolders.contains(folder))
        m_chosenFolders.append(folder);
    fillList();
}

void BackupScreen::restoreSelected() {
    Platform& platform = m_context.platform;
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid()) {
        platform.inform(this, u"请先在列表中选择要恢复的备份。"_s);
        return;
    }
    const BackupListModel::Row& row = m_model->row(current.row());
    if (!row.facts) {
        platform.inform(this, u"这份备份还在检查中，请稍候再恢复。"_s);
        return;
    }
    if (row.facts->state != CopyFacts::State::Good) {
        platform.warn(this, u"不能恢复这份备份：\n"_s + row.facts->problem);
        return;
    }
    const QString written = row.copy.written.toString(u"yyyy-MM-dd HH:mm"_s);
    const QString newest = row.facts->newestSale.isEmpty()
                               ? u"其中没有销售"_s
                               : u"其中最新的销售是 "_s + row.facts->newestSale;
    if (!platform.askYesNo(this, u"将恢复到 "_s + written + u" 的备份（"_s + row.copy.place +
                                     u"，"_s + newest + u"），之后的销售将丢失。\n"_s +
                                     u"恢复前，现在的数据会先另存一份。确定要恢复吗？"_s))
        return;
    Q_EMIT restoreWanted(row.copy.path, written);
}
