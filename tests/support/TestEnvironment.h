#pragma once

#include "core/Recordset.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A fresh program folder with its own config.ini and, for database tests, a fresh database
// made from schema/ and connected through theDBworks, on the back end the test run asks for.
namespace TestSupport {

enum class Backend { SQLite, MariaDB };

// STAYMARK_TEST_BACKEND: "sqlite" (the default) or "mariadb".
Backend CurrentBackend();
QString BackendName(Backend backend);

// The MariaDB server the run starts for the tests (STAYMARK_TEST_MYSQL_*): "host:port", and
// the account the tests sign in with.
QString ServerHost();
QString ServerUser();
QString ServerPassword();

// Everything a test process needs before its first case: a fixed locale, scripted dialogs.
void PrepareProcess();
// False when the dialogs' script went wrong outside any test case (answers left unused).
bool FinishProcess();
// Forgets the login state, the error texts, the dialog record and closes the error window.
void ResetProgramState();

// An embedded database file with the base tables of schema/, and the further statements
// (in the Access dialect) run on it; the error text, or empty.
QString MakeEmbeddedDatabase(const QString& path, const QStringList& furtherStatements = {});

// A table of the tests' own that no window writes: tests of the statement runner write to it,
// so that their statements copy none of the program's.
QString ProbeTableStatement();
QString ProbeInsertStatement(const QString& note);

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    QString Path() const { return dir_.path(); }
    QString ConfigIni() const;

private:
    QTemporaryDir dir_;
};

// The statements a refusal stands in front of.
enum class Write { Insert, Update, Delete };

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

    // An account with the five privilege flags, in the order cmodifysettings, croomlist,
    // cmodifytax, canViewReport, ccustomerviewedit ("1,0,1,0,1"); the error text, or empty.
    QString AddUser(const QString& name, const QString& password, const QString& flags);

    // From now on the server refuses every such write on the table, as it would refuse a
    // statement it cannot run, until AllowWrites lifts it; the error text, or empty.
    QString RefuseWrites(const QString& table, Write write);
    QString AllowWrites(const QString& table, Write write);

private:
    QString setUp();
    QString setUpMariaDb();
    QSqlDatabase& ownConnection();
    // Runs a statement of the back end's own dialect on the test's connection.
    QString runNative(const QString& sql);

    Backend backend_;
    ProgramFolder folder_;
    QString error_;
    QString mysqlDatabase_;
    QString ownConnectionName_;
    QSqlDatabase own_;
};

} // namespace TestSupport

// Fails with the server's own message when a statement the test relies on did not run: the
// argument is the error text a setup step returns, empty when it ran.
#define VERIFY_RAN(errorText)                                                                      \
    do {                                                                                           \
        const QString verifyRanError_ = (errorText);                                               \
        QVERIFY2(verifyRanError_.isEmpty(),                                                        \
                 qPrintable(QLatin1String(#errorText ": ") + verifyRanError_));                    \
    } while (false)

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
