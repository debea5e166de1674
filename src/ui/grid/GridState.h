#pragma once

#include <optional>

class GridModel;

// What a grid knows besides its widgets: the model it shows, which record the top row shows,
// the selected row and the loading flag. Row r shows record top + r.
class GridState {
public:
    GridState(const GridModel& model, int rows);

    int rows() const { return m_rows; }

    int top() const { return m_top; }
    // Clamped to the scroll range.
    void setTop(int top);
    int scrollMaximum() const { return m_scrollMaximum; }
    bool scrollEnabled() const { return m_scrollMaximum > 0; }
    // Fits the range to the model's records and shows them from the given one.
    void setScrollRange(int top = 0);

    bool isLoading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }

    std::optional<int> recordAt(int row) const;

    int selectedRow() const { return m_selectedRow; }
    std::optional<int> selectedRecord() const { return m_selectedRecord; }
    // Selects the row when it shows a record; otherwise nothing stays selected.
    bool select(int row);
    void clearSelection();

private:
    const GridModel& m_model;
    int m_rows;
    int m_top = 0;
    int m_scrollMaximum = 0;
    bool m_loading = false;
    int m_selectedRow = -1;
    std::optional<int> m_selectedRecord;
};
