#pragma once

#include "data/DbError.h"

struct sqlite3;

namespace EngineFailure {

// The engine's last failure on a connection, told in Chinese with what the user can do about
// it; the engine's own texts ("database disk image is malformed") mean nothing to a shop.
DbError of(sqlite3* handle);
DbError ofCode(int code);

} // namespace EngineFailure
