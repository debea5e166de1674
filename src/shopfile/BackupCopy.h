#pragma once

#include <QDateTime>
#include <QString>

// One copy of the shop database that a restore may put back.
struct BackupCopy {
    enum class Kind {
        Day,    // made at an exit, in the day folder of its day of the month
        Kept,   // the shop file as it was before a restore
        Chosen, // made by 立即备份, or found in a folder the user pointed to
    };

    QString path;
    Kind kind = Kind::Chosen;
    QString place;     // "8日", "恢复前" or the folder the copy lies in
    QDateTime written; // when the copy was made: the file's last change
    qint64 size = 0;
};
