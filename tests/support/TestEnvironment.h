#pragma once

#include "core/Recordset.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
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

// What the window kit adds to a test process, as the program installs its failure windows at
// start: this kit opens no window and knows none.
struct WindowHooks {
    // Forgets the dialog record and closes the error report window.
    std::function<void()> reset;
    // Closes what a test left open.
    std::function<void()> sweep;
    // False when the dialogs' script went wrong outside any test case.
    std::function<bool()> finish;
    // The text of the last thing the program showed.
    std::function<QString()> lastShown;
};
void InstallWindowHooks(WindowHooks hooks);

// Everything a test of the data layer needs before its first case: a fixed locale, and the
// record of what the data layer would show (its failure windows being absent).
void PrepareDataProcess();
// False when the window kit's dialogs' script went wrong outside any test case.
bool FinishProcess();
// Forgets the login state, the error texts and the record of what was shown; with the window
// kit, its dialog record and the error report window too.
void ResetProgramState();
// Closes the windows a test left open, when the window kit is installed.
void CloseLeftWindows();

// Without the window kit: in order, the texts the data layer would have shown, a refused
// statement's message, a failed connection's cause and the error report raised (ErrMsg as it
// stood).
QStringList Reported();
// The text of the last thing the program showed, or would have shown.
QString LastShown();

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
    // Closes the test's own connection, as another program that ends lets go of the file; the
    // next read opens it again.
    void CloseOwnConnection();

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
