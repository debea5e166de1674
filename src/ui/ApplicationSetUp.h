#pragma once

class QApplication;

// What every window of the program runs under, set once by the program and by every widget
// test before its first window: one-line boxes, Enter on a focused button, menu and function
// keys before the focused control, the Chinese font, and Qt's own texts in Chinese.
void setUpApplication(QApplication& application);
