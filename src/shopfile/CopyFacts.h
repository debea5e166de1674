#pragma once

#include <QDate>
#include <QMetaType>
#include <QString>

#include <optional>

// What a backup copy holds, and whether it may be put back.
struct CopyFacts {
    enum class State {
        Good,       // opens with the key and passes the engine's integrity check
        Damaged,    // cut short, not a database, another key, or failing the check
        Newer,      // made by a newer program
        Unreadable, // the file could not be read at all
    };

    State state = State::Unreadable;
    QString problem; // why it may not be put back; empty when Good
    qint64 sales = 0;
    QString newestSale; // the number of its newest sale, empty when it holds none
    std::optional<QDate> newestSaleDate;
};

Q_DECLARE_METATYPE(CopyFacts)
