#include "catalogue/gui/ProductScreen.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "catalogue/ProductSheet.h"
#include "data/ColumnWidth.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "data/Decimal.h"
#include "data/Refusal.h"
#include "sheets/SheetFile.h"
#include "ui/EntryField.h"
#include "ui/Placed.h"
#include "ui/Twips.h"
#include "ui/grid/RecordGrid.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList texts(const Product& product) {
    return {product.code,
            product.name,
            product.unit,
            product.purchasePrice.moneyText(),
            product.salePrice.moneyText(),
            product.maker,
            product.pinyin,
            product.remark};
}

} // namespace

ProductScreen::ProductScreen(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_platform(context.platform)
    , m_catalogue(context.database)
    , m_book(context.database)
    , m_ids(m_book)
    , m_list(texts) {
    setWindowTitle(u"商品名称维护"_s);
    setFixedSize(Twips::size(10755, 7590));
    buildSearchBar();
    buildGrid();
    buildEntryFrame();
    buildButtons();
    wireFields();
    beginProduct();
    search();
}

void ProductScreen::buildSearchBar() {
    m_searchText = placed<EntryField>(this, u"searchText"_s, Twips::rect(120, 135, 2655, 330));
    auto* button = placed<QPushButton>(this, u"searchButton"_s, Twips::rect(2880, 105, 1095, 390),
                                       u"查  询"_s);
    auto* hint = new QLabel(u"可输入编号\\条码\\拼音\\商品中文名称\\生产厂家进行查询"_s, this);
    hint->setObjectName(u"hint"_s);
    hint->setStyleSheet(u"color: #FF0000;"_s);
    hint->setGeometry(Twips::rect(4140, 165, 6480, 300));
    connect(m_searchText, &EntryField::enterPressed, this, &ProductScreen::search);
    connect(button, &QPushButton::clicked, this, &ProductScreen::search);
}

void ProductScreen::buildGrid() {
    GridDesign design;
    design.rows = 16;
    design.width = 10635;
    const auto centred = [](const QString& caption, int width) {
        return GridColumn{.caption = caption, .headerWidth = width, .alignment = Qt::AlignHCenter};
    };
    design.columns = {
        {.caption = u"编号\\条码"_s, .headerWidth = 1515},
        {.caption = u"商品名称\\规格"_s, .headerWidth = 2895},
        centred(u"单位"_s, 555),
        centred(u"进价"_s, 855),
        centred(u"售价"_s, 855),
        {.caption = u"生产厂家"_s, .headerWidth = 1395},
        {.caption = u"拼音"_s, .headerWidth = 1275},
        {.caption = u"备注"_s, .headerWidth = 1215},
    };
    m_grid = new RecordGrid(design, m_list, this);
    m_grid->setObjectName(u"grid"_s);
    m_grid->move(Twips::px(60), Twips::px(600));
    connect(m_grid, &RecordGrid::rowSelected, this, &ProductScreen::rowClicked);
}

void ProductScreen::buildEntryFrame() {
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(Twips::rect(60, 6090, 10635, 990));
    // Label and field of each column, upper row at 120 twips, lower row at 540.
    const auto label = [frame](const QString& caption, int left, int top, int width) {
        auto* text = new QLabel(caption, frame);
        text->setGeometry(Twips::rect(left, top + 30, width, 300));
    };
    label(u"编号\\条码"_s, 60, 120, 780);
    m_code = placed<EntryField>(frame, u"code"_s, Twips::rect(840, 120, 1800, 330));
    m_autoNumber = new QCheckBox(u"自动编号"_s, frame);
    m_autoNumber->setObjectName(u"autoNumber"_s);
    m_autoNumber->setGeometry(Twips::rect(840, 540, 1440, 330));
    m_autoNumber->setChecked(true);
    label(u"名称"_s, 2700, 120, 480);
    m_name = placed<EntryField>(frame, u"name"_s, Twips::rect(3180, 120, 2040, 330));
    label(u"规格"_s, 2700, 540, 480);
    m_variant = placed<EntryField>(frame, u"variant"_s, Twips::rect(3180, 540, 2040, 330));
    label(u"进价"_s, 5340, 120, 480);
    m_purchasePrice =
        placed<EntryField>(frame, u"purchasePrice"_s, Twips::rect(5820, 120, 900, 330));
    label(u"售价"_s, 5340, 540, 480);
    m_salePrice = placed<EntryField>(frame, u"salePrice"_s, Twips::rect(5820, 540, 900, 330));
    label(u"单位"_s, 6840, 120, 480);
    m_unit = placed<EntryField>(frame, u"unit"_s, Twips::rect(7320, 120, 1080, 330));
    label(u"拼音"_s, 6840, 540, 480);
    m_pinyin = placed<EntryField>(frame, u"pinyin"_s, Twips::rect(7320, 540, 1080, 330));
    label(u"厂家"_s, 8520, 120, 480);
    m_maker = placed<EntryField>(frame, u"maker"_s, Twips::rect(9000, 120, 1500, 330));
    label(u"备注"_s, 8520, 540, 480);
    m_remark = placed<EntryField>(frame, u"remark"_s, Twips::rect(9000, 540, 1500, 330));
}

void ProductScreen::buildButtons() {
    m_add = placed<QPushButton>(this, u"add"_s, Twips::rect(6720, 7155, 1215, 375), u"添  加"_s);
    m_save = placed<QPushButton>(this, u"save"_s, Twips::rect(8070, 7155, 1215, 375), u"保  存"_s);
    m_delete =
        placed<QPushButton>(this, u"delete"_s, Twips::rect(9420, 7155, 1215, 375), u"删  除"_s);
    connect(m_add, &QPushButton::clicked, this, &ProductScreen::add);
    connect(m_save, &QPushButton::clicked, this, &ProductScreen::save);
    connect(m_delete, &QPushButton::clicked, this, &ProductScreen::remove);
    connect(m_autoNumber, &QCheckBox::clicked, this, &ProductScreen::autoNumberClicked);
    auto* importButton = placed<QPushButton>(this, u"importProducts"_s,
                                             Twips::rect(60, 7155, 1215, 375), u"商品导入"_s);
    auto* exportButton = placed<QPushButton>(this, u"exportProducts"_s,
                                             Twips::rect(1395, 7155, 1215, 375), u"商品导出"_s);
    connect(importButton, &QPushButton::clicked, this, &ProductScreen::importWanted);
    connect(exportButton, &QPushButton::clicked, this, &ProductScreen::exportListed);
}

void ProductScreen::wireFields() {
    const QList<QWidget*> order{m_searchText, m_code, m_name,   m_variant,   m_purchasePrice,
                                m_salePrice,  m_unit, m_pinyin, m_maker,     m_remark,
                                m_save,       m_add,  m_delete, m_autoNumber};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    for (EntryField* field : {m_code, m_name, m_variant, m_purchasePrice, m_salePrice, m_unit,
                              m_pinyin, m_maker, m_remark})
        connect(field, &EntryField::enterPressed, this, [this] { focusNextChild(); });
    connect(m_name, &QLineEdit::textChanged, this, &ProductScreen::nameChanged);
    connect(m_variant, &QLineEdit::textChanged, this, &ProductScreen::variantChanged);
    const std::pair<EntryField*, int> widths[] = {{m_searchText, ColumnWidth::of(u"商品", u"查询")},
                                                  {m_code, ColumnWidth::of(u"商品", u"编号")},
                                                  {m_purchasePrice, Decimal::TextLength},
                                                  {m_salePrice, Decimal::TextLength},
                                                  {m_unit, ColumnWidth::of(u"商品", u"单位")},
                                                  {m_pinyin, ColumnWidth::of(u"商品", u"拼音")},
                                                  {m_maker, ColumnWidth::of(u"商品", u"厂家")},
                                                  {m_remark, ColumnWidth::of(u"商品", u"备注")}};
    for (const auto& [field, width] : widths)
        field->setMaxLength(width);
    for (EntryField* field : {m_name, m_variant})
        connect(field, &QLineEdit::textChanged, this, &ProductScreen::shareNameColumn);
    shareNameColumn();
}

void ProductScreen::shareNameColumn() {
    // Name and variant are stored together as name\variant: each box takes what the other
    // leaves of the column.
    constexpr int width = ColumnWidth::of(u"商品", u"名称");
    const qsizetype variant = m_variant->text().size();
    m_name->setMaxLength(int(width - (variant > 0 ? variant + 1 : 0)));
    m_variant->setMaxLength(int(std::max<qsizetype>(0, width - 1 - m_name->text().size())));
}

void ProductScreen::search() {
    ProductCatalogue::ListResult result;
    try {
        result = m_catalogue.newestFirst(m_searchText->text());
    } catch (const DbError& error) {
        m_platform.inform(this, error.message());
    }
    if (result.tooMany)
        m_platform.inform(this, u"数据太多，请缩短查询时间范围！"_s);
    m_list.rows = std::move(result.products);
    m_grid->load();
    m_delete->setEnabled(false);
}

void ProductScreen::rowClicked(int row) {
    const std::optional<int> record = m_grid->selectedRecord();
    if (!record)
        return;
    const Product& product = m_list.rows.at(*record);
    showEntry(ProductEntry::fromProduct(product));
    m_currentId = product.id;
    m_selectedRow = row;
    m_delete->setEnabled(true);
}

void ProductScreen::beginProduct() {
    try {
        m_currentId = m_ids.allocate(m_platform.now());
    } catch (const DbError& error) {
        // Without the look-up the bare time stamp stands, as it always did.
        m_currentId = DateText::timeStamp(m_platform.now());
        m_platform.inform(this, error.message());
    }
}

void ProductScreen::add() {
    showEntry(ProductEntry());
    beginProduct();
    if (m_autoNumber->isChecked())
        m_code->setText(u'A' + m_currentId);
    m_code->setFocus();
    m_grid->setScrollTop(0);
    m_grid->paintStripes();
    m_delete->setEnabled(false);
}

void ProductScreen::save() {
    const int top = m_grid->scrollTop();
    ProductBook::SaveResult result;
    try {
        result = m_book.save(m_currentId, entry());
    } catch (const Refusal& refusal) {
        reportFailure(refusal.reason());
        return;
    } catch (const DbError& error) {
        reportFailure(error.message());
        return;
    }
    if (result == ProductBook::SaveResult::NameMissing) {
        m_platform.inform(this, u"请输入商品名称！"_s);
        return;
    }
    search();
    if (result == ProductBook::SaveResult::Created)
        m_selectedRow = 0;
    else
        m_grid->setScrollTop(top);
    m_grid->selectRow(m_selectedRow);
    m_add->setFocus();
}

void ProductScreen::remove() {
    try {
        const std::optional<Product> product = m_book.load(m_currentId);
        if (product && (product->stock.isZero() ||
                        m_platform.askYesNo(this, u"该商品已有库存，确认要删除吗!"_s)))
            m_book.remove(m_currentId);
    } catch (const DbError& error) {
        reportFailure(error.message());
    }
    add();
    search();
    m_add->setFocus();
}

void ProductScreen::exportListed() {
    const QString chosen =
        m_platform.saveFileName(this, u"另存为"_s, u"Excel文件 (*.xlsx)"_s).trimmed();
    if (chosen.isEmpty())
        return;
    const QString failure = ProductSheet::write(SheetFile::fileName(chosen), m_list.rows);
    if (failure.isEmpty())
        m_platform.inform(this, u"文件导出成功！"_s);
    else
        m_platform.inform(this, u"导出失败："_s + failure);
}

void ProductScreen::autoNumberClicked(bool ticked) {
    m_code->setText(ticked ? u'A' + m_currentId : QString());
}

void ProductScreen::nameChanged(const QString& text) {
    // Setting the text again comes back here without the backslash.
    if (text.contains(u'\\')) {
        m_name->setText(QString(text).remove(u'\\'));
        return;
    }
    m_pinyin->setText(ProductEntry::pinyinOf(text));
}

void ProductScreen::variantChanged(const QString& text) {
    if (text.contains(u'\\'))
        m_variant->setText(QString(text).remove(u'\\'));
}

ProductEntry ProductScreen::entry() const {
    return ProductEntry{m_code->text(),          m_name->text(),      m_variant->text(),
                        m_purchasePrice->text(), m_salePrice->text(), m_unit->text(),
                        m_pinyin->text(),        m_maker->text(),     m_remark->text()};
}

void ProductScreen::showEntry(const ProductEntry& entry) {
    m_variant->clear(); // the name may take the whole column
    m_code->setText(entry.code);
    m_name->setText(entry.name);
    m_variant->setText(entry.variant);
    m_purchasePrice->setText(entry.purchasePrice);
    m_salePrice->setText(entry.salePrice);
    m_unit->setText(entry.unit);
    m_maker->setText(entry.maker);
    m_remark->setText(entry.remark);
    // After the name, whose every change recomputes the code: the stored one is shown.
    m_pinyin->setText(entry.pinyin);
}

void ProductScreen::reportFailure(const QString& reason) {
    m_platform.inform(this, u"保存失败："_s + reason);
}
