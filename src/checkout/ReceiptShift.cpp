#include "checkout/ReceiptShift.h"

#include <algorithm>

namespace {

constexpr double UnmovedMargin = 8;

double millimetres(Decimal margin) {
    return static_cast<double>(margin.units()) / Decimal::Scale;
}

} // namespace

// A small left margin would push the starts of the lines past the paper's left edge, a large
// one the ends of the rules past its right edge, a small top margin the first line past its
// top. A top margin typed past the largest one stored is taken as the largest.
ReceiptShift::ReceiptShift(const SettingsRow& settings, double paperWidth, double left,
                           double right, double top)
    : dx(std::clamp(millimetres(settings.leftMargin) - UnmovedMargin, -left, paperWidth - right))
    , dy(std::clamp(millimetres(settings.topMargin) - UnmovedMargin, -top,
                    SettingsRow::LargestMargin - UnmovedMargin)) {}
