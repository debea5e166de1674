#pragma once

#include <QList>
#include <QStringList>

// One row of a sheet that holds anything, numbered as the spreadsheet program shows it (1 is the
// first); its cells from column A on, each as the text of its value, with no empty cells after
// the last one that holds something.
struct SheetRow {
    int number = 0;
    QStringList cells;
};

using SheetRows = QList<SheetRow>;
