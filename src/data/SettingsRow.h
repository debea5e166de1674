#pragma once

#include <QString>

// The one row of [设置], as texts (every column there is text). Margins are millimetres
// written as numbers; autoPrint and barcodeMode are "1" or "0".
struct SettingsRow {
    QString password;       // 密码
    QString title;          // 标题
    QString footer1;        // 结尾1
    QString footer2;        // 结尾2
    QString footer3;        // 结尾3
    QString leftMargin;     // 左边距
    QString topMargin;      // 上边距
    QString autoPrint;      // 自动打印
    QString defaultPrinter; // 默认打印机
    QString receiptPrinter; // 小票打印机
    QString barcodeMode;    // 条码
};
