#pragma once

#include "ui/ApplicationSetUp.h"

#include <QApplication>
#include <QTest>

// QTEST_MAIN for widget tests: the application runs under the program's own set-up, so a
// screen answers keys and pasted text in a test as it does for the user.
#define GUI_TEST_MAIN(TestObject)                                                                  \
    int main(int argc, char** argv) {                                                              \
        QApplication application(argc, argv);                                                      \
        application.setAttribute(Qt::AA_Use96Dpi, true);                                           \
        setUpApplication(application);                                                             \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
