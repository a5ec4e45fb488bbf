#include "core/ProgramTables.h"

#include "core/DBworksInternal.h"
#include "core/ErrorReport.h"
#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace {

bool onMariaDb() {
    return !theDBworks::TableChangesJoinUnitOfWork();
}

// The lock is the server's, shared by every database on it: the name holds this database's.
QString lockName(const QString& subject) {
    return QStringLiteral("CONCAT('staymark.', MD5(CONCAT(DATABASE(), '.', ") +
           SqlLiteral::Text(subject) + QStringLiteral(")))");
}

bool lockTaken(const QString& subject, int waitSeconds) {
    theDBworks::OpenRecordset(QStringLiteral("SELECT GET_LOCK(") + lockName(subject) +
                              QStringLiteral(", %1) AS taken").arg(waitSeconds));
    return theDBworks::DBRecordset().Fields(QStringLiteral("taken")).toInt() == 1;
}

// The prefix as a LIKE pattern: its own "_" and "%" stand for themselves.
QString likePattern(QString prefix) {
    prefix.replace(QLatin1Char('!'), QStringLiteral("!!"))
        .replace(QLatin1Char('_'), QStringLiteral("!_"))
        .replace(QLatin1Char('%'), QStringLiteral("!%"));
    return SqlLiteral::Text(prefix + QLatin1Char('%')) + QStringLiteral(" ESCAPE '!'");
}

} // namespace

namespace ProgramTables {

QStringList NamesBeginningWith(const QString& prefix) {
    theDBworks::OpenRecordset(
        onMariaDb() ? QStringLiteral("SELECT table_name AS tname FROM information_schema.tables "
                                     "WHERE table_schema = DATABASE() AND table_name LIKE ") +
                          likePattern(prefix)
                    : QStringLiteral("SELECT name AS tname FROM sqlite_master WHERE type = "
                                     "'table' AND name LIKE ") +
                          likePattern(prefix));
    QStringList names;
    theDBworks::ForEachRecord(
        [&](const Recordset& row) { names << row.Text(QStringLiteral("tname")); });
    return names;
}

Claim::Claim(QString subject, Wait wait)
    : subject_(std::move(subject)) {
    if (!onMariaDb()) {
        held_ = true;
        return;
    }
    if (wait == Wait::No) {
        held_ = locked_ = lockTaken(subject_, 0);
        return;
    }
    {
        const theDBworks::Internal::Waiting waiting;
        held_ = locked_ = lockTaken(subject_, theDBworks::LockWaitSeconds());
    }
    if (!held_)
        theDBworks::Internal::ShowRecordHeldElsewhere();
}

Claim::~Claim() {
    // A session that went away took its lock with it.
    if (!locked_ || !theDBworks::IsConnected())
        return;
    IgnoreErrors([this] {
        theDBworks::OpenRecordset(QStringLiteral("SELECT RELEASE_LOCK(") + lockName(subject_) +
                                  QStringLiteral(") AS released"));
    });
}

} // namespace ProgramTables
