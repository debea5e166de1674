#pragma once

#include <QString>

// One thing a receipt draws, in millimetres from the paper's top left corner.
struct ReceiptOperation {
    enum class Kind { Text, Rule };

    Kind kind = Kind::Text;
    double x = 0;  // text: left edge; rule: start
    double y = 0;  // text: top edge; rule: its height on the paper
    double x2 = 0; // rule: end
    double pointSize = 0;
    QString text;

    static ReceiptOperation textAt(double x, double y, double pointSize, const QString& text) {
        return {Kind::Text, x, y, 0, pointSize, text};
    }
    static ReceiptOperation rule(double x1, double x2, double y) {
        return {Kind::Rule, x1, y, x2, 0, {}};
    }

    bool operator==(const ReceiptOperation&) const = default;
};
