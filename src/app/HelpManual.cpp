#include "app/HelpManual.h"

#include "base/Platform.h"
#include "shopfile/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {

const char16_t* const PageFiles[] = {u"index.html", u"tutorial.html", u"home.html"};
const char16_t* const AllFiles[] = {u"index.html", u"tutorial.html", u"home.html", u"style.css"};

QString helpFolder(const QString& dataFolder) {
    return QDir(dataFolder).filePath(u"帮助"_s);
}

// The manual names this machine's folders, as the user finds them in the file manager.
QByteArray withFolders(QByteArray page, const QString& dataFolder) {
    const QString root = QFileInfo(dataFolder).path();
    const auto shown = [](const QString& folder) {
        return QDir::toNativeSeparators(folder).toHtmlEscaped().toUtf8();
    };
    return page.replace("@DATA_FOLDER@", shown(dataFolder))
        .replace("@BACKUP_FOLDER@", shown(DataFolder::backupFolderIn(root)));
}

// A page that cannot be written keeps its older copy, if any: help must never get in the way.
void copyOut(const QString& name, const QDir& folder, const QString& dataFolder) {
    QFile source(u":/help/"_s + name);
    QSaveFile target(folder.filePath(name));
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return;
    target.write(withFolders(source.readAll(), dataFolder));
    target.commit();
}

} // namespace

// Outside any namespace, as the macro requires. The pages live in a static library: without
// this call the linker drops them.
static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace HelpManual {

QString pagePath(const QString& dataFolder, Page page) {
    return QDir(helpFolder(dataFolder)).filePath(QString::fromUtf16(PageFiles[int(page)]));
}

QUrl writeOut(const QString& dataFolder, Page page) {
    initHelpResources();
    const QDir folder(helpFolder(dataFolder));
    QDir().mkpath(folder.path());
    for (const char16_t* name : AllFiles)
        copyOut(QString::fromUtf16(name), folder, dataFolder);
    const QString file = pagePath(dataFolder, page);
    return QFileInfo::exists(file) ? QUrl::fromLocalFile(file) : QUrl();
}

void show(Platform& platform, const QString& dataFolder, Page page, QWidget* parent) {
    const QUrl url = writeOut(dataFolder, page);
    if (url.isValid() && !platform.openUrl(url))
        platform.inform(parent, u"没有能打开帮助页面的浏览器。页面在：\n"_s +
                                    QDir::toNativeSeparators(url.toLocalFile()));
}

} // namespace HelpManual
