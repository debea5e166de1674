#pragma once

#include "data/SettingsRow.h"

// How far the margins move a receipt laid out for margins of 8 mm, in millimetres: the left
// margin moves x, the top margin y. However small or large the margins, nothing is moved off
// the paper.
struct ReceiptShift {
    // The layout's text and rules run from `left` to `right` and start at `top`.
    ReceiptShift(const SettingsRow& settings, double paperWidth, double left, double right,
                 double top);

    double dx;
    double dy;
};
