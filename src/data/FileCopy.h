#pragma once

#include <QString>

namespace FileCopy {

// Copies the file `from` into the new file `to` and waits until the copy is on the disk, so
// that renaming it over an older copy can never leave a file the disk has not yet written.
// Throws DbError when a byte cannot be read or written.
void durable(const QString& from, const QString& to);

} // namespace FileCopy
