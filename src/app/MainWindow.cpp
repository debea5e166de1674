#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/BackupScreen.h"
#include "app/ChildPlacement.h"
#include "app/ToolStripButton.h"
#include "base/AppContext.h"
#include "base/Platform.h"
#include "checkout/gui/TillPrinter.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "shopfile/BackupCopies.h"
#include "shopfile/DailyBackup.h"
#include "shopfile/DataFolder.h"
#include "shopfile/QuietCheckpoint.h"
#include "shopfile/ShopRestore.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSessionManager>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString StockIn = u"入库"_s;
const QString StockOut = u"出库"_s;

struct ToolStripEntry {
    const char16_t* caption;
    const char16_t* icon;
    std::function<void()> run;
};

} // namespace

// Outside any namespace, as the macro requires; the icons live in a static library.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

MainWindow::MainWindow(AppContext& context, ScreenRegistry screens, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_screens(std::move(screens))
    , m_till(new TillPrinter(context.platform, context.database, context.dataFolder, this))
    , m_settings(context, *m_till, this)
    , m_movementKind(StockIn) {
    initIconResources();
    m_screens.try_emplace(Screen::About, [](const ScreenSetup& setup) -> QWidget* {
        return new AboutBox(setup.context.platform, setup.context.dataFolder);
    });
    m_screens.try_emplace(Screen::Backup, [this](const ScreenSetup& setup) -> QWidget* {
        auto* screen = new BackupScreen(setup.context, backupFolder(), m_backupFolders);
        // Queued: the restore closes this screen, which must first return from its question.
        connect(screen, &BackupScreen::restoreWanted, this, &MainWindow::restoreFrom,
                Qt::QueuedConnection);
        return screen;
    });

    setWindowTitle(u"Vellor零售店收银软件 V2.0"_s);
    setWindowIcon(QIcon(u":/icons/sales.svg"_s));
    setMinimumSize(Twips::size(14340, 10290));
    setWindowState(Qt::WindowMaximized);

    m_mdi = new QMdiArea;
    m_mdi->setBackground(QColor(0x90, 0xA3, 0xB2));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolStrip());
    layout->addWidget(m_mdi);
    setCentralWidget(central);
    buildMenus();
    m_checkpoint = std::make_unique<QuietCheckpoint>(context.database);

    // The session ending closes the program the same way as the close box.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { exitProgram(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::exitProgram);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildToolStrip() {
    const ToolStripEntry entries[] = {
        {u"商品名称维护", u"products", [this] { openScreen(Screen::Products); }},
        {u"销售管理", u"sales", [this] { openScreen(Screen::Sales); }},
        {u"进货入库", u"stockin", [this] { openStockScreen(StockIn); }},
        {u"退货出库", u"stockout", [this] { openStockScreen(StockOut); }},
        {u"库存盘点", u"stocktaking", [this] { openScreen(Screen::Stocktaking); }},
        {u"统计报表", u"report", [this] { openScreen(Screen::Report); }},
        {u"操作帮助", u"help", [this] { openHelp(HelpManual::Page::Manual); }},
        {u"视频教程", u"video", [this] { openHelp(HelpManual::Page::Tutorial); }},
        {u"联系作者", u"contact", [this] { openScreen(Screen::About); }},
        {u"日结", u"cashup", [this] { openScreen(Screen::CashUp); }},
        {u"备份恢复", u"backup", [this] { openScreen(Screen::Backup); }},
    };
    auto* strip = new QWidget;
    strip->setObjectName(u"toolStrip"_s);
    strip->setFixedHeight(Twips::px(765));
    strip->setAutoFillBackground(true);
    strip->setBackgroundRole(QPalette::Button);
    int left = 60;
    for (const ToolStripEntry& entry : entries) {
        const int width = left == 60 ? 1755 : 1395;
        auto* button =
            new ToolStripButton(QIcon(u":/icons/"_s + QString::fromUtf16(entry.icon) + u".svg"),
                                QString::fromUtf16(entry.caption), strip);
        button->setGeometry(Twips::rect(left, 180, width, 555));
        connect(button, &ToolStripButton::activated, this, entry.run);
        left += left == 60 ? 1860 : 1500;
    }
    return strip;
}

void MainWindow::buildMenus() {
    const auto add = [this](QMenu* menu, const QString& caption, QKeyCombination key,
                            std::function<void()> run) {
        QAction* action = menu->addAction(caption);
        action->setShortcut(QKeySequence(key));
        connect(action, &QAction::triggered, this, std::move(run));
    };
    QMenu* file = menuBar()->addMenu(u"文件(&F)"_s);
    add(file, u"综合设置"_s, Qt::CTRL | Qt::Key_E, [this] { m_settings.show(); });
    add(file, u"数据备份与恢复"_s, Qt::CTRL | Qt::Key_B, [this] { openScreen(Screen::Backup); });
    file->addSeparator();
    add(file, u"退出"_s, Qt::CTRL | Qt::Key_P, [this] { close(); });

    QMenu* work = menuBar()->addMenu(u"操作(&O)"_s);
    add(work, u"商品名称维护"_s, Qt::CTRL | Qt::Key_F, [this] { openScreen(Screen::Products); });
    add(work, u"销售管理"_s, Qt::CTRL | Qt::Key_G, [this] { openScreen(Screen::Sales); });
    add(work, u"进货入库"_s, Qt::CTRL | Qt::Key_H, [this] { openStockScreen(StockIn); });
    add(work, u"退货出库"_s, Qt::CTRL | Qt::Key_I, [this] { openStockScreen(StockOut); });
    add(work, u"库存盘点"_s, Qt::CTRL | Qt::Key_J, [this] { openScreen(Screen::Stocktaking); });
    add(work, u"商品导入"_s, Qt::CTRL | Qt::Key_L, [this] { openScreen(Screen::ProductImport); });
    work->addSeparator();
    add(work, u"打开钱箱"_s, Qt::CTRL | Qt::Key_O,
        [this] { m_till->openDrawer(m_settings.currentSettings()); });

    QMenu* reports = menuBar()->addMenu(u"统计(&T)"_s);
    add(reports, u"统计报表"_s, Qt::CTRL | Qt::Key_K, [this] { openScreen(Screen::Report); });
    add(reports, u"库存盘点记录"_s, Qt::CTRL | Qt::Key_Z,
        [this] { openScreen(Screen::StocktakingRecords); });
    add(reports, u"日结"_s, Qt::CTRL | Qt::Key_D, [this] { openScreen(Screen::CashUp); });

    QMenu* help = menuBar()->addMenu(u"帮助(&H)"_s);
    add(help, u"操作帮助"_s, Qt::CTRL | Qt::Key_M, [this] { openHelp(HelpManual::Page::Manual); });
    add(help, u"视频教程"_s, Qt::CTRL | Qt::Key_N,
        [this] { openHelp(HelpManual::Page::Tutorial); });
    add(help, u"访问作者主页"_s, Qt::CTRL | Qt::Key_U,
        [this] { openHelp(HelpManual::Page::HomePage); });
    add(help, u"版本信息"_s, Qt::CTRL | Qt::Key_R, [this] { openScreen(Screen::About); });
}

QMdiSubWindow* MainWindow::screenWindow(Screen screen) const {
    const auto found = m_open.find(screen);
    // A closed child window is hidden at once and deleted later.
    if (found == m_open.end() || !found->second || found->second->isHidden())
        return nullptr;
    return found->second;
}

QMdiSubWindow* MainWindow::openScreen(Screen screen) {
    if (QMdiSubWindow* open = screenWindow(screen)) {
        m_mdi->setActiveSubWindow(open);
        open->raise();
        return open;
    }
    const auto factory = m_screens.find(screen);
    if (factory == m_screens.end())
        return nullptr;
    QWidget* widget = factory->second(ScreenSetup{m_context, m_settings, *m_till, m_movementKind,
                                                  [this](Screen other) { openScreen(other); }});
    if (!widget)
        return nullptr;
    QMdiSubWindow* window = m_mdi->addSubWindow(widget);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    m_open[screen] = window;
    window->show();
    window->move(childPlacement(size(), window->size()));
    m_mdi->setActiveSubWindow(window);
    return window;
}

QMdiSubWindow* MainWindow::openStockScreen(const QString& kind) {
    if (QMdiSubWindow* open = screenWindow(Screen::Stock))
        open->close();
    m_movementKind = kind;
    return openScreen(Screen::Stock);
}

void MainWindow::openHelp(HelpManual::Page page) {
    HelpManual::show(m_context.platform, m_context.dataFolder, page, this);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // A screen smaller than the least size keeps the window maximised to it rather than
    // restoring it to a size past the screen's edges.
    const QSize least = minimumSize();
    if (!isMaximized() && (width() < least.width() || height() < least.height()))
        resize(size().expandedTo(least));
    if (!m_exiting)
        placeScreens();
}

void MainWindow::placeScreens() {
    // A screen left outside by a smaller window (restored from maximised) comes back to where it
    // opens; the sales screen always goes there.
    const QRect area = m_mdi->viewport()->rect();
    for (const auto& [screen, window] : m_open) {
        if (window && !window->isHidden() && !window->isMinimized() && !window->isMaximized() &&
            (screen == Screen::Sales || !area.contains(window->geometry())))
            window->move(childPlacement(size(), window->size()));
    }
    if (!screenWindow(Screen::Sales))
        openScreen(Screen::Sales);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The login window just went away; without a window manager nothing else would give this
    // window the keyboard, and no shortcut would work until it is clicked.
    if (!event->spontaneous()) {
        activateWindow();
        raise();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_exiting && !closeScreens()) {
        event->ignore();
        return;
    }
    event->accept();
    exitProgram();
}

bool MainWindow::closeScreens() {
    // Each screen closes as when closed by hand, so it keeps what it keeps on closing.
    m_mdi->closeAllSubWindows();
    const QList<QMdiSubWindow*> left = m_mdi->subWindowList();
    return std::none_of(left.begin(), left.end(),
                        [](QMdiSubWindow* sub) { return !sub->isHidden(); });
}

QString MainWindow::backupFolder() const {
    const Platform& platform = m_context.platform;
    return DailyBackup::folderFor(
        DataFolder::chooseRoot(platform.driveDRoot(), platform.driveCRoot()));
}

void MainWindow::restoreFrom(const QString& copy, const QString& written) {
    if (!closeScreens())
        return;
    // The closed screens' statements go with them now, so that the connection can close.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_settings.unload();
    m_checkpoint.reset();
    Platform& platform = m_context.platform;
    QString kept;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        kept = ShopRestore::intoOpen(m_context.database,
                                     {.copy = copy,
                                      .keptFolder = BackupCopies::keptFolderIn(backupFolder()),
                                      .now = platform.now()});
        QApplication::restoreOverrideCursor();
    } catch (const DbError& error) {
        QApplication::restoreOverrideCursor();
        if (!m_context.database.isOpen()) {
            // Nothing is open to work on or to back up; the next start deals with the file.
            m_exiting = true;
            hide();
            platform.warn(nullptr,
                          u"恢复失败："_s + error.message() + u"\n程序将关闭，请重新启动。"_s);
            QCoreApplication::quit();
            return;
        }
        platform.warn(this, u"恢复失败："_s + error.message());
        startOnDatabase();
        return;
    }
    startOnDatabase();
    platform.inform(this, u"已恢复到 "_s + written + u" 的备份。恢复前的数据另存在：\n"_s +
                              QDir::toNativeSeparators(kept));
}

void MainWindow::startOnDatabase() {
    m_checkpoint = std::make_unique<QuietCheckpoint>(m_context.database);
    openScreen(Screen::Sales);
}

void MainWindow::exitProgram() {
    if (m_exiting)
        return;
    m_exiting = true;
    closeScreens();
    hide();
    DailyBackup::run(m_context.database, backupFolder(), m_context.platform.now().date());
    QCoreApplication::quit();
}
