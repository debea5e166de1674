#pragma once

#include "data/DbError.h"

class QFileDevice;

namespace FileFailure {

// Why a file could not be read or written, in words a shop owner can act on: the system's
// own texts ("No space left on device", "未知错误") say neither. `needed` is how many bytes
// the write needed; the disk's free space tells a full disk from other failures.
DbError of(const QFileDevice& file, qint64 needed);
// Why a file could not be read: gone (a stick pulled out) or unreadable.
DbError ofRead(const QFileDevice& file);

} // namespace FileFailure
