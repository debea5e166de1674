#include "shopfile/CopyCheck.h"

#include "data/DbError.h"
#include "data/Schema.h"

using namespace Qt::Literals::StringLiterals;

namespace CopyCheck {

namespace {

const QString DamagedCopy = u"这份备份已损坏、不完整，或不是本软件的数据文件。请选择另一份备份。"_s;

// The engine's advice is about the shop file; about a copy there is other advice to give.
void setFailure(CopyFacts& facts, const DbError& error) {
    switch (error.cause()) {
    case DbError::Cause::Damaged:
        facts.state = CopyFacts::State::Damaged;
        facts.problem = DamagedCopy;
        break;
    case DbError::Cause::NewerVersion:
        facts.state = CopyFacts::State::Newer;
        facts.problem = error.message();
        break;
    default:
        facts.state = CopyFacts::State::Unreadable;
        facts.problem = error.message();
    }
}

} // namespace

CopyFacts inspect(const QString& path, Database::Check check) {
    CopyFacts facts;
    try {
        Database copy = Database::openCopy(path, QString::fromUtf16(Schema::DatabasePassword));
        if (!copy.integrityProblems(check).isEmpty()) {
            facts.state = CopyFacts::State::Damaged;
            facts.problem = DamagedCopy;
            return facts;
        }
        Statement count = copy.prepare(u"SELECT count(*) FROM [订单]");
        count.next();
        facts.sales = count.integer(0);
        Statement newest = copy.prepare(
            u"SELECT [ID号], [日期] FROM [订单] ORDER BY [日期] DESC, [ID号] DESC LIMIT 1");
        if (newest.next()) {
            facts.newestSale = newest.text(0);
            facts.newestSaleDate = newest.date(1);
        }
        facts.state = CopyFacts::State::Good;
    } catch (const DbError& error) {
        setFailure(facts, error);
    }
    return facts;
}

} // namespace CopyCheck
