#include "shopfile/CopyInspector.h"

#include "shopfile/CopyCheck.h"

CopyInspector::CopyInspector(QObject* parent)
    : QObject(parent) {
    // One at a time: copies on one stick read faster in turn than all at once.
    m_pool.setMaxThreadCount(1);
}

CopyInspector::~CopyInspector() {
    m_pool.clear();
    m_pool.waitForDone();
}

void CopyInspector::inspect(const QString& path) {
    m_pool.start([this, path] {
        const CopyFacts facts = CopyCheck::inspect(path, Database::Check::Full);
        // Delivered on this object's thread; dropped with the object if it has gone by then.
        QMetaObject::invokeMethod(
            this, [this, path, facts] { Q_EMIT inspected(path, facts); }, Qt::QueuedConnection);
    });
}
