#include "shopfile/TemplateDatabase.h"

#include "data/FileFailure.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace TemplateDatabase {

bool writeTo(const QString& path, QString* error) {
    QFile source(u":/template.dat"_s);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = source.errorString();
        return false;
    }
    const QByteArray bytes = source.readAll();
    QFile target(path);
    // NewOnly: a file that appeared meanwhile is left alone, never overwritten.
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        target.write(bytes) != bytes.size() || !target.flush()) {
        *error = FileFailure::of(target, bytes.size()).message();
        target.close();
        if (target.exists() && target.size() != bytes.size())
            target.remove();
        return false;
    }
    return true;
}

} // namespace TemplateDatabase
