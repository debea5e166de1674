#pragma once

#include "catalogue/ProductBook.h"
#include "catalogue/ProductCatalogue.h"
#include "catalogue/ProductIdAllocator.h"
#include "ui/grid/GridModel.h"

#include <QWidget>

struct AppContext;
class EntryField;
class Platform;
class QCheckBox;
class QPushButton;
class RecordGrid;

// "商品名称维护": find, add, edit and delete products. The rules and statements live in
// ProductCatalogue and ProductBook; this class wires the search bar, the list and the entry fields
// to it.
class ProductScreen : public QWidget {
    Q_OBJECT
public:
    explicit ProductScreen(AppContext& context, QWidget* parent = nullptr);

    // The product that 保存 and 删除 act on: begun at opening or by 添加, or clicked in the list.
    QString currentProductId() const { return m_currentId; }

Q_SIGNALS:
    // "商品导入" was pressed.
    void importWanted();

private:
    void buildSearchBar();
    void buildGrid();
    void buildEntryFrame();
    void buildButtons();
    void wireFields();

    void beginProduct();
    void search();
    void rowClicked(int row);
    void add();
    void save();
    void remove();
    void exportListed();
    void autoNumberClicked(bool ticked);
    void nameChanged(const QString& text);
    void variantChanged(const QString& text);
    void shareNameColumn();

    ProductEntry entry() const;
    void showEntry(const ProductEntry& entry);
    void reportFailure(const QString& reason);

    Platform& m_platform;
    ProductCatalogue m_catalogue;
    ProductBook m_book;
    ProductIdAllocator m_ids;
    QString m_currentId;
    int m_selectedRow = -1;
    GridList<Product> m_list;

    EntryField* m_searchText = nullptr;
    RecordGrid* m_grid = nullptr;
    EntryField* m_code = nullptr;
    EntryField* m_name = nullptr;
    EntryField* m_variant = nullptr;
    EntryField* m_purchasePrice = nullptr;
    EntryField* m_salePrice = nullptr;
    EntryField* m_unit = nullptr;
    EntryField* m_pinyin = nullptr;
    EntryField* m_maker = nullptr;
    EntryField* m_remark = nullptr;
    QCheckBox* m_autoNumber = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_delete = nullptr;
};
