#include "tests/support/DataTest.h"

#include <QTest>

namespace TestSupport {

void ProgramTest::init() {
    ResetProgramState();
    const QString error = startProgram();
    if (!error.isEmpty())
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    else
        initTest();
    // Qt Test runs no cleanup() after a failed init(): the next test must still start clean.
    if (QTest::currentTestFailed())
        cleanup();
}

void ProgramTest::cleanup() {
    cleanupTest();
    CloseLeftWindows();
    stopProgram();
    ResetProgramState();
}

QString ProgramTest::startProgram() {
    folder_ = std::make_unique<ProgramFolder>();
    return {};
}

void ProgramTest::stopProgram() {
    folder_.reset();
}

QString DatabaseTest::startProgram() {
    db = std::make_unique<TestDatabase>();
    return db->SetupError();
}

void DatabaseTest::stopProgram() {
    db.reset();
}

} // namespace TestSupport
