// Build-time tool: writes the empty shop database that the program carries inside itself.
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Schema.h"

#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    try {
        Database database = Database::create(QString::fromLocal8Bit(argv[1]),
                                             QString::fromUtf16(Schema::DatabasePassword));
        Schema::create(database);
        Schema::insertTemplateRows(database);
    } catch (const DbError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
