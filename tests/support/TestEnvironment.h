#pragma once

#include "core/Recordset.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A fresh program folder with its own config.ini and, for database tests, a fresh database
// made from schema/ and connected through theDBworks, on the back end the test run asks for.
namespace TestSupport {

enum class Backend { SQLite, MariaDB };

// STAYMARK_TEST_BACKEND: "sqlite" (the default) or "mariadb".
Backend CurrentBackend();
QString BackendName(Backend backend);

// Everything a test process needs before its first case: a fixed locale, scripted dialogs.
void PrepareProcess();
// False when the dialogs' script went wrong outside any test case (answers left unused).
bool FinishProcess();
// Forgets the login state, the error texts, the dialog record and closes the error window.
void ResetProgramState();

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    QString Path() const { return dir_.path(); }
    QString ConfigIni() const;

private:
    QTemporaryDir dir_;
};

class TestDatabase {
public:
    explicit TestDatabase(Backend backend = CurrentBackend());
    ~TestDatabase();

    // Empty when the database is ready and theDBworks is connected to it.
    const QString& SetupError() const { return error_; }
    Backend Which() const { return backend_; }
    QString Folder() const { return folder_.Path(); }
    QString ConfigIni() const { return folder_.ConfigIni(); }
    // The config.ini lines that point the program at this database.
    void WriteConfig() const;

    // Reads back through a connection of the test's own, in the Access dialect.
    Recordset Query(const QString& accessSql);
    // Runs a statement on the test's own connection; the error text, or empty.
    QString Run(const QString& accessSql);
    int Count(const QString& table, const QString& where = {});

private:
    QString setUp();
    QString setUpMariaDb();
    QSqlDatabase& ownConnection();

    Backend backend_;
    ProgramFolder folder_;
    QString error_;
    QString mysqlDatabase_;
    QString ownConnectionName_;
    QSqlDatabase own_;
};

} // namespace TestSupport

// A Qt Test main for widget tests that run offscreen with scripted dialogs.
#define STAYMARK_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char* argv[]) {                                                             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestSupport::PrepareProcess();                                                             \
        TestClass test;                                                                            \
        const int failed = QTest::qExec(&test, argc, argv);                                        \
        return TestSupport::FinishProcess() ? failed : 1;                                          \
    }
