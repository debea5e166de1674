#pragma once

#include "catalogue/gui/ImportPreview.h"
#include "catalogue/import/ColumnMapping.h"
#include "sheets/SheetSource.h"

#include <QList>
#include <QWidget>

#include <optional>

struct AppContext;
class Database;
class Platform;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class RecordGrid;

// "商品导入": a spreadsheet of products read into the catalogue. The user picks the file and
// its sheet, checks the header row and which field each column fills, sees what will happen
// to every row, and chooses whether rows with a known code update that product or are skipped.
// "导入" writes the accepted rows in one go, after a question that may cancel it.
class ProductImportScreen : public QWidget {
    Q_OBJECT
public:
    // Columns past this many are neither shown nor read.
    static constexpr int MaxColumns = 26;

    explicit ProductImportScreen(AppContext& context, QWidget* parent = nullptr);

private:
    void buildChoices();
    void chooseFile();
    void openFile(const QString& path);
    void readSheet(int sheet);
    void chooseHeader(int index);
    void chooseField(int column, int index);
    void rebuildPreview();
    void showMapping();
    void replan();
    void importRows();

    Database& m_database;
    Platform& m_platform;
    SheetSource m_file;
    std::optional<qsizetype> m_header;
    ColumnMapping m_mapping;
    ImportPreview m_preview;

    QLineEdit* m_path = nullptr;
    QComboBox* m_sheets = nullptr;
    QComboBox* m_headers = nullptr;
    QRadioButton* m_update = nullptr;
    QRadioButton* m_skip = nullptr;
    QScrollArea* m_area = nullptr;
    QList<QComboBox*> m_fields;
    RecordGrid* m_grid = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_import = nullptr;
};
