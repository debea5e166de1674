#pragma once

#include <QString>
#include <Qt>

#include <optional>

// One data column of a record grid, as its screen designed it. Figures are twips.
struct GridColumn {
    enum class Kind { ReadOnly, TextEntry };

    QString caption;
    int headerWidth = 0;
    // The cell sits 60 twips inside its header button unless the screen placed it elsewhere.
    std::optional<int> cellLeft;
    std::optional<int> cellWidth;
    Qt::Alignment alignment = Qt::AlignLeft;
    Kind kind = Kind::ReadOnly;
    // Enter, Down and Up move between rows (text-entry cells only).
    bool moveKeys = false;
    // The whole text is selected when the cell gets the focus (text-entry cells only).
    bool selectOnFocus = true;
    // A click on the cell selects its row (on grids with row selection).
    bool selectsRow = true;
};
