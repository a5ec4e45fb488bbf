// One user action that writes several rows: all of it or nothing, never a lock held while a
// message is on screen, never a front desk frozen by another's lock.
#include "core/DBworksInternal.h"
#include "core/ErrorReport.h"
#include "core/theDBworks.h"

#include <exception>

namespace {

using namespace theDBworks::Internal;

enum class Attempt { Committed, NotCommitted, Conflict, ConnectionLost };
enum class Outcome { Committed, NotCommitted, HeldElsewhere, Unreachable };

// What a lost connection left for the user: the code of the statement that met it, and the
// cause the reconnection gave.
struct LostConnection {
    QString code;
    QString cause;
};

void rollbackQuietly() {
    if (theDBworks::InTransaction())
        IgnoreErrors([] { theDBworks::RollbackTrans(); });
}

// A COMMIT whose answer was lost may have been kept: never run the unit again after it.
void commit() {
    try {
        theDBworks::CommitTrans();
    } catch (const ConnectionLost& lost) {
        SetTransactionOpen(false);
        throw DatabaseError(lost.Description());
    }
}

Attempt runAttempt(const std::function<bool()>& work, LostConnection& lost) {
    try {
        theDBworks::BeginTrans();
        if (work() && !RefusalPending()) {
            commit();
            return Attempt::Committed;
        }
        rollbackQuietly();
        return Attempt::NotCommitted;
    } catch (const TransactionConflict&) {
        rollbackQuietly();
        return Attempt::Conflict;
    } catch (const ConnectionLost& connection) {
        // The server has dropped the transaction with the connection.
        SetTransactionOpen(false);
        lost = {connection.Code(), connection.Description()};
        return Attempt::ConnectionLost;
    } catch (...) {
        rollbackQuietly();
        throw;
    }
}

QDeadlineTimer lockWaitDeadline() {
    return QDeadlineTimer(qint64(theDBworks::LockWaitSeconds()) * 1000);
}

Outcome runUnit(const std::function<bool()>& work, LostConnection& lost) {
    bool reconnected = false;
    QDeadlineTimer deadline = lockWaitDeadline();
    StartLockWaitClock(deadline);
    for (;;) {
        if (!FitLockWaitToClock())
            return Outcome::HeldElsewhere;
        switch (runAttempt(work, lost)) {
        case Attempt::Committed:
            return Outcome::Committed;
        case Attempt::NotCommitted:
            return Outcome::NotCommitted;
        case Attempt::Conflict:
            if (deadline.hasExpired())
                return Outcome::HeldElsewhere;
            break;
        case Attempt::ConnectionLost:
            if (reconnected || !Reconnect(lost.cause))
                return Outcome::Unreachable;
            reconnected = true;
            deadline = lockWaitDeadline();
            StartLockWaitClock(deadline);
            break;
        }
    }
}

} // namespace

namespace theDBworks {

bool RunInTransaction(const std::function<bool()>& work) {
    if (InTransaction())
        return work();
    if (!DatabaseFileInPlace(QString()))
        return false;
    Outcome outcome = Outcome::NotCommitted;
    LostConnection lost;
    std::exception_ptr failure;
    {
        const Waiting waiting;
        try {
            outcome = runUnit(work, lost);
        } catch (...) {
            failure = std::current_exception();
        }
        StopLockWaitClock();
    }
    // Rolled back by now, and the pointer is the user's again.
    ShowPendingRefusal();
    if (failure)
        std::rethrow_exception(failure);
    switch (outcome) {
    case Outcome::Committed:
        return true;
    case Outcome::HeldElsewhere:
        ShowRecordHeldElsewhere();
        return false;
    case Outcome::Unreachable:
        HandOverConnectionFailure(lost.code, lost.cause);
        return false;
    case Outcome::NotCommitted:
        break;
    }
    return false;
}

} // namespace theDBworks

DBTransaction::DBTransaction()
    : uncaught_(std::uncaught_exceptions()) {
    if (theDBworks::InTransaction())
        return;
    if (!DatabaseFileInPlace(QString()))
        throw DatabaseUnreachable(ErrMsg);
    theDBworks::BeginTrans();
    owner_ = true;
}

DBTransaction::~DBTransaction() {
    if (!owner_ || finished_)
        return;
    rollbackQuietly();
    // While an exception unwinds, its own report is what the user sees.
    if (std::uncaught_exceptions() == uncaught_)
        ShowPendingRefusal();
    else
        ForgetPendingRefusal();
}

bool DBTransaction::Commit() {
    if (!owner_ || finished_)
        return !RefusalPending();
    finished_ = true;
    if (RefusalPending()) {
        rollbackQuietly();
        ShowPendingRefusal();
        return false;
    }
    commit();
    return true;
}
