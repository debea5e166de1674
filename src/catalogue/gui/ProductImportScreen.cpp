#include "catalogue/gui/ProductImportScreen.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "catalogue/ProductBook.h"
#include "catalogue/import/ImportPlanner.h"
#include "catalogue/import/ProductImport.h"
#include "data/DbError.h"
#include "data/Refusal.h"
#include "ui/Placed.h"
#include "ui/Twips.h"
#include "ui/grid/GridGeometry.h"
#include "ui/grid/RecordGrid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int PreviewRows = 14;
constexpr int ChooserHeight = 330;
constexpr int ChooserGap = 45;

QString columnLetter(int column) {
    return QString(QChar(u'A' + column));
}

GridDesign previewDesign(const QStringList& captions) {
    GridDesign design;
    design.rows = PreviewRows;
    design.rowSelection = false;
    design.columns = {{.caption = u"行"_s, .headerWidth = 615, .alignment = Qt::AlignRight},
                      {.caption = u"处理"_s, .headerWidth = 2415}};
    for (const QString& caption : captions)
        design.columns.append({.caption = caption, .headerWidth = 1515});
    return design;
}

QString count(qsizetype rows, const QString& what) {
    return what + QString::number(rows) + u"行"_s;
}

} // namespace

ProductImportScreen::ProductImportScreen(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_database(context.database)
    , m_platform(context.platform) {
    setWindowTitle(u"商品导入"_s);
    setFixedSize(Twips::size(11400, 8100));
    buildChoices();
    m_area = placed<QScrollArea>(this, u"previewArea"_s, Twips::rect(60, 1020, 11280, 5700));
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_summary = placed<QLabel>(this, u"summary"_s, Twips::rect(60, 6840, 11280, 300));
    auto* hint =
        placed<QLabel>(this, u"hint"_s, Twips::rect(60, 7200, 8400, 300),
                       u"已有商品的库存不变；新商品的库存记作一笔入库，备注“期初库存”。"_s);
    hint->setStyleSheet(u"color: #808080;"_s);
    m_import =
        placed<QPushButton>(this, u"import"_s, Twips::rect(10080, 7560, 1215, 390), u"导  入"_s);
    connect(m_import, &QPushButton::clicked, this, &ProductImportScreen::importRows);
    rebuildPreview();
    replan();
}

void ProductImportScreen::buildChoices() {
    const auto label = [this](const QString& caption, int left, int top, int width) {
        auto* text = new QLabel(caption, this);
        text->setGeometry(Twips::rect(left, top + 30, width, 300));
    };
    label(u"文件"_s, 60, 120, 480);
    m_path = placed<QLineEdit>(this, u"path"_s, Twips::rect(540, 120, 5700, 330));
    m_path->setReadOnly(true);
    auto* choose = placed<QPushButton>(this, u"chooseFile"_s, Twips::rect(6360, 90, 1335, 390),
                                       u"选择文件…"_s);
    label(u"工作表"_s, 7860, 120, 720);
    m_sheets = placed<QComboBox>(this, u"sheets"_s, Twips::rect(8580, 120, 2700, 330));
    label(u"表头"_s, 60, 600, 480);
    m_headers = placed<QComboBox>(this, u"headers"_s, Twips::rect(540, 600, 1695, 330));
    label(u"编号已有的商品："_s, 2460, 600, 1800);
    m_update = placed<QRadioButton>(this, u"update"_s, Twips::rect(4260, 600, 2160, 330),
                                    u"更新名称和价格"_s);
    m_skip = placed<QRadioButton>(this, u"skip"_s, Twips::rect(6480, 600, 1200, 330), u"跳过"_s);
    m_update->setChecked(true);
    auto* leftOut = placed<QCheckBox>(this, u"leftOutOnly"_s, Twips::rect(8580, 600, 2700, 330),
                                      u"只看不导入的行"_s);
    auto* existing = new QButtonGroup(this);
    existing->addButton(m_update);
    existing->addButton(m_skip);
    connect(choose, &QPushButton::clicked, this, &ProductImportScreen::chooseFile);
    connect(m_sheets, &QComboBox::activated, this, &ProductImportScreen::readSheet);
    connect(m_headers, &QComboBox::activated, this, &ProductImportScreen::chooseHeader);
    connect(existing, &QButtonGroup::buttonClicked, this, &ProductImportScreen::replan);
    connect(leftOut, &QCheckBox::toggled, this, [this](bool only) {
        m_preview.setLeftOutOnly(only);
        m_grid->refill();
    });
}

void ProductImportScreen::chooseFile() {
    const QString path = m_platform.openFileName(this, u"选择商品表格"_s,
                                                 u"表格文件 (*.xlsx *.csv *.txt);;所有文件 (*)"_s);
    if (!path.isEmpty())
        openFile(path);
}

void ProductImportScreen::openFile(const QString& path) {
    m_path->setText(path);
    m_sheets->clear();
    if (!m_file.open(path)) {
        m_preview.sheet.clear();
        m_preview.setPlan({});
        m_preview.columns = 0;
        m_header.reset();
        m_mapping = ColumnMapping();
        rebuildPreview();
        replan();
        m_platform.inform(this, m_file.errorString());
        return;
    }
    m_sheets->addItems(m_file.sheetNames());
    readSheet(0);
}

void ProductImportScreen::readSheet(int sheet) {
    SheetRows rows;
    if (!m_file.read(sheet, rows))
        m_platform.inform(this, m_file.errorString());
    m_preview.sheet = std::move(rows);
    m_preview.setPlan({}); // its rows belonged to the sheet read before
    int columns = 0;
    for (const SheetRow& row : m_preview.sheet)
        columns = std::max(columns, int(row.cells.size()));
    m_preview.columns = std::min(columns, MaxColumns);
    m_headers->clear();
    m_headers->addItem(u"无表头"_s);
    for (qsizetype row = 0; row < m_preview.sheet.size() && row < ColumnMapping::HeaderSearchRows;
         ++row)
        m_headers->addItem(u"第"_s + QString::number(m_preview.sheet.at(row).number) + u"行"_s);
    m_header = ColumnMapping::headerRow(m_preview.sheet);
    m_headers->setCurrentIndex(m_header ? int(*m_header) + 1 : 0);
    chooseHeader(m_headers->currentIndex());
}

void ProductImportScreen::chooseHeader(int index) {
    m_header = index > 0 ? std::optional<qsizetype>(index - 1) : std::nullopt;
    m_mapping = ColumnMapping::fromHeader(
        m_header ? m_preview.sheet.at(*m_header).cells : QStringList(), m_preview.columns);
    rebuildPreview();
    replan();
}

void ProductImportScreen::rebuildPreview() {
    QStringList captions;
    for (int column = 0; column < m_preview.columns; ++column) {
        const QString header =
            m_header ? m_preview.sheet.at(*m_header).cells.value(column) : QString();
        captions.append(header.trimmed().isEmpty() ? columnLetter(column) : header.trimmed());
    }
    const GridDesign design = previewDesign(captions);
    auto* content = new QWidget;
    m_grid = new RecordGrid(design, m_preview, content);
    m_grid->setObjectName(u"grid"_s);
    m_grid->move(0, Twips::px(ChooserHeight + ChooserGap));
    // Each field chooser stands over its column's header.
    const GridGeometry geometry(design.columns, design.rows, design.width);
    m_fields.clear();
    for (int column = 0; column < m_preview.columns; ++column) {
        const QRect header = geometry.header(ImportPreview::LeadingColumns + column)
                                 .translated(geometry.canvas().topLeft());
        auto* chooser =
            placed<QComboBox>(content, u"field_%1"_s.arg(column),
                              Twips::rect(header.left(), 0, header.width(), ChooserHeight));
        chooser->addItem(u"不导入"_s);
        for (const ProductField field : ProductFields)
            chooser->addItem(captionOf(field));
        connect(chooser, &QComboBox::activated, this,
                [this, column](int index) { chooseField(column, index); });
        m_fields.append(chooser);
    }
    content->resize(m_grid->width(), m_grid->y() + m_grid->height());
    m_area->setWidget(content); // the old content goes
    showMapping();
}

void ProductImportScreen::showMapping() {
    for (int column = 0; column < m_fields.size(); ++column) {
        const std::optional<ProductField> field = m_mapping.field(column);
        m_fields.at(column)->setCurrentIndex(field ? int(*field) + 1 : 0);
    }
}

void ProductImportScreen::chooseField(int column, int index) {
    m_mapping.assign(column, index > 0 ? std::optional(ProductFields.at(index - 1)) : std::nullopt);
    showMapping();
    replan();
}

void ProductImportScreen::replan() {
    QList<Product> existing;
    try {
        // The one read of the catalogue: the codes decide between adding and updating.
        existing = ProductBook(m_database).all();
    } catch (const DbError& error) {
        m_platform.inform(this, error.message());
    }
    const ImportPlanner planner(existing);
    m_preview.first = m_header ? *m_header + 1 : 0;
    m_preview.setPlan(planner.plan(m_preview.sheet, m_header, m_mapping,
                                   m_skip->isChecked() ? ImportPlanner::Existing::Skip
                                                       : ImportPlanner::Existing::Update));
    m_grid->refill(m_grid->scrollTop());
    const ImportPlan& plan = m_preview.plan();
    m_summary->setText(count(plan.rows.size(), u"共"_s) + u"：" +
                       count(plan.count(ImportAction::Create), u"新增"_s) + u"，" +
                       count(plan.count(ImportAction::Update), u"更新"_s) + u"，" +
                       count(plan.count(ImportAction::Skip), u"跳过"_s) + u"，" +
                       count(plan.count(ImportAction::Refuse), u"拒绝"_s));
}

void ProductImportScreen::importRows() {
    const ImportPlan& plan = m_preview.plan();
    const qsizetype creating = plan.count(ImportAction::Create);
    const qsizetype updating = plan.count(ImportAction::Update);
    if (creating + updating == 0) {
        m_platform.inform(this, u"没有可导入的商品。"_s);
        return;
    }
    if (!m_platform.askYesNo(
            this, u"将新增%1个商品，更新%2个商品，确认导入吗？"_s.arg(creating).arg(updating)))
        return;
    ProductImport::Result result;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        result = ProductImport::run(m_database, plan, m_platform.now());
    } catch (const Refusal& refusal) {
        QGuiApplication::restoreOverrideCursor();
        m_platform.inform(this, u"保存失败："_s + refusal.reason());
        return;
    } catch (const DbError& error) {
        QGuiApplication::restoreOverrideCursor();
        m_platform.inform(this, u"保存失败："_s + error.message());
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    // Every screen's catalogue reads the products again, once, at its next search: the
    // transaction moved [商品版本].
    m_platform.inform(
        this, u"导入完成：新增%1个商品，更新%2个商品。"_s.arg(result.created).arg(result.updated));
    replan();
}
