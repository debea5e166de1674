#pragma once

#include "shopfile/CopyFacts.h"

namespace CopyCheck {

// Reads a copy on a connection of its own, writing nothing to it or beside it; safe on any
// thread. The whole file is read, so a large copy takes a moment.
CopyFacts inspect(const QString& path);

} // namespace CopyCheck
