#pragma once

#include "tests/support/TestEnvironment.h"

#include <QCoreApplication>
#include <QObject>
#include <QTest>

#include <memory>

namespace TestSupport {

// The base of every test class: each test starts from the program's first state, with a
// program folder of its own (so a config.ini of its own), and ends with the windows it left
// swept away (when the window kit is installed). A test class adds its own steps before and after
// each test in initTest() and cleanupTest().
class ProgramTest : public QObject {
    Q_OBJECT

protected:
    virtual void initTest() {}
    virtual void cleanupTest() {}

    // What every test of a kind starts from, and lets go of after the sweep; a fixture that
    // adds to it calls its base first. The reason the start failed, or empty.
    virtual QString startProgram();
    virtual void stopProgram();

protected slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<ProgramFolder> folder_;
};

// A test on a fresh database made from schema/, on the back end the run asks for, with
// theDBworks connected to it and config.ini pointing at it.
class DatabaseTest : public ProgramTest {
    Q_OBJECT

protected:
    QString startProgram() override;
    void stopProgram() override;

    std::unique_ptr<TestDatabase> db;
};

} // namespace TestSupport

// A Qt Test main for tests of the data layer: no window system, no window.
#define STAYMARK_DATA_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char* argv[]) {                                                             \
        QCoreApplication app(argc, argv);                                                          \
        TestSupport::PrepareDataProcess();                                                         \
        TestClass test;                                                                            \
        const int failed = QTest::qExec(&test, argc, argv);                                        \
        return TestSupport::FinishProcess() ? failed : 1;                                          \
    }
