#pragma once

#include "tests/support/DataTest.h"

#include <QApplication>
#include <QTest>

namespace TestSupport {

// Everything a test of windows needs before its first case: what a data-layer test needs,
// the font the tests measure with, scripted dialogs, and the program's failure windows; after
// each test its windows are swept.
void PrepareProcess();

// The body of a Qt Test main for widget tests that run offscreen with scripted dialogs.
template <typename TestClass> int RunTestMain(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PrepareProcess();
    TestClass test;
    const int failed = QTest::qExec(&test, argc, argv);
    return FinishProcess() ? failed : 1;
}

} // namespace TestSupport

// A Qt Test main for widget tests that run offscreen with scripted dialogs.
#define STAYMARK_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char* argv[]) {                                                             \
        return TestSupport::RunTestMain<TestClass>(argc, argv);                                    \
    }
