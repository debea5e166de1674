#pragma once

#include <QString>

// The empty shop database carried inside the program.
namespace TemplateDatabase {

// Writes it out byte for byte to a new file; false (with the reason) when that fails.
// An existing file is never touched.
bool writeTo(const QString& path, QString* error);

} // namespace TemplateDatabase
