#include "ui/grid/GridState.h"

#include <algorithm>

GridState::GridState(int columnCount, int rows)
    : m_store(columnCount)
    , m_rows(rows) {}

void GridState::setTop(int top) {
    m_top = std::clamp(top, 0, m_scrollMaximum);
}

void GridState::setScrollRange() {
    const int records = m_store.count();
    m_scrollMaximum = records > m_rows ? records - m_rows : 0;
    m_top = 0;
}

std::optional<int> GridState::recordAt(int row) const {
    if (row < 0 || row >= m_rows || !m_store.contains(m_top + row))
        return std::nullopt;
    return m_top + row;
}

bool GridState::select(int row) {
    m_selectedRecord = recordAt(row);
    m_selectedRow = m_selectedRecord ? row : -1;
    return m_selectedRecord.has_value();
}

void GridState::clearSelection() {
    m_selectedRow = -1;
    m_selectedRecord.reset();
}

bool GridState::writeBack(int row, const QStringList& texts) {
    const std::optional<int> record = recordAt(row);
    if (m_loading || !record)
        return false;
    m_store.setFields(*record, texts);
    return true;
}
