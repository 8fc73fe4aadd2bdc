// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QtTest>

// A test main that pins the C locale before anything reads it, so number
// texts (thousands separator, decimal point) do not depend on the machine.
#define VARNOOK_PINNED_LOCALE_MAIN(TestClass)                                    \
    int main(int argc, char *argv[])                                             \
    {                                                                            \
        qputenv("LC_ALL", "C");                                                  \
        qputenv("LC_NUMERIC", "C");                                              \
        qputenv("LANG", "C");                                                    \
        QCoreApplication app(argc, argv);                                        \
        TestClass test;                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                               \
        return QTest::qExec(&test, argc, argv);                                  \
    }
