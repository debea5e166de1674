#pragma once

#include "shopfile/CopyFacts.h"

#include <QObject>
#include <QThreadPool>

// Checks backup copies one after another on a thread of its own, each on a connection of its
// own, and reports each on the thread that asked. Destroyed, it drops the copies not begun
// and waits for the one under way.
class CopyInspector : public QObject {
    Q_OBJECT
public:
    explicit CopyInspector(QObject* parent = nullptr);
    ~CopyInspector() override;

    void inspect(const QString& path);

Q_SIGNALS:
    void inspected(const QString& path, const CopyFacts& facts);

private:
    QThreadPool m_pool;
};
