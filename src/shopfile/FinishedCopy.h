#pragma once

#include <QString>

#include <functional>

namespace FinishedCopy {

// Has `writer` write a copy under `path` + ".new", then gives it its name: a copy under its
// own name is always whole, and a name already taken is never written over. Throws DbError
// with the reason, the part written removed.
void write(const QString& path, const std::function<void(const QString& partial)>& writer);

} // namespace FinishedCopy
