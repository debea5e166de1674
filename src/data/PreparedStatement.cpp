#include "data/PreparedStatement.h"

#include "data/Database.h"

Statement& PreparedStatement::operator()() {
    if (!m_statement)
        m_statement.emplace(m_database.prepare(m_sql));
    m_statement->reset();
    return *m_statement;
}
