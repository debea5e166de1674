#pragma once

#include "data/Database.h"
#include "shopfile/CopyFacts.h"

namespace CopyCheck {

// Reads a copy on a connection of its own, writing nothing to it or beside it; safe on any
// thread. The whole file is read: a shop of a million movements takes about a second for the
// Quick check, a quarter of a minute for the Full one, which also compares every index.
CopyFacts inspect(const QString& path, Database::Check check);

} // namespace CopyCheck
