#pragma once

#include <QString>

namespace AtomicReplace {

// Moves the file `from` onto `to` in one step of the file system, replacing a file there:
// whenever the program stops, `to` is either the old file or the new one, whole. False, with
// both left as they were, when the move fails.
bool replace(const QString& from, const QString& to);

} // namespace AtomicReplace
