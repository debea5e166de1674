#include "ui/grid/GridState.h"

#include "ui/grid/GridModel.h"

#include <algorithm>

GridState::GridState(const GridModel& model, int rows)
    : m_model(model)
    , m_rows(rows) {}

void GridState::setTop(int top) {
    m_top = std::clamp(top, 0, m_scrollMaximum);
}

void GridState::setScrollRange(int top) {
    const int records = m_model.count();
    m_scrollMaximum = records > m_rows ? records - m_rows : 0;
    setTop(top);
}

std::optional<int> GridState::recordAt(int row) const {
    if (row < 0 || row >= m_rows || m_top + row >= m_model.count())
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
