#pragma once

#include <QString>

#include <functional>

class SheetCells;

// An .xlsx workbook of one sheet. Nothing here asks the user anything: a failure comes back
// as its reason.
namespace SheetFile {

// The file a chosen path names: ".xlsx" appended, or the "x" an ".xls" lacks; a path ending
// with ".xlsx" stays as it is.
QString fileName(const QString& chosen);

// Writes the workbook whose sheet `layOut` fills, every number with its exact decimal. The
// file appears whole or not at all. Returns an empty text, or why it was not written.
QString write(const QString& path, const std::function<void(SheetCells&)>& layOut);

} // namespace SheetFile
