#pragma once

#include <QString>
#include <Qt>

#include <optional>

// One data column of a record grid, as its screen designed it. Figures are twips.
struct GridColumn {
    enum class Kind { ReadOnly, TextEntry };

    QString caption = {};
    int headerWidth = 0;
    // A header button starts 15 twips before the previous one ends unless placed elsewhere.
    std::optional<int> headerLeft = std::nullopt;
    // The cell sits 60 twips inside its header button unless the screen placed it elsewhere.
    std::optional<int> cellLeft = std::nullopt;
    std::optional<int> cellWidth = std::nullopt;
    Qt::Alignment alignment = Qt::AlignLeft;
    Kind kind = Kind::ReadOnly;
    // Enter, Down and Up move between rows (text-entry cells only).
    bool moveKeys = false;
    // The whole text is selected when the cell gets the focus (text-entry cells only).
    bool selectOnFocus = true;
    // How many characters a text-entry cell takes: the column it is stored in.
    std::optional<int> maxLength = std::nullopt;
    // A click on the cell selects its row (on grids with row selection).
    bool selectsRow = true;
};
