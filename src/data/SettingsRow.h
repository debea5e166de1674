#pragma once

#include "data/Decimal.h"

#include <QString>

// The one row of [设置], typed. Every column there is text: the margins are stored as number
// text, autoPrint and barcodeMode as "1" or "0".
struct SettingsRow {
    static constexpr int LargestMargin = 30; // millimetres, as is the smallest, 0

    QString password;         // 密码
    QString title;            // 标题
    QString footer1;          // 结尾1
    QString footer2;          // 结尾2
    QString footer3;          // 结尾3
    Decimal leftMargin;       // 左边距, millimetres
    Decimal topMargin;        // 上边距, millimetres
    bool autoPrint = false;   // 自动打印
    QString defaultPrinter;   // 默认打印机
    QString receiptPrinter;   // 小票打印机
    bool barcodeMode = false; // 条码
};
