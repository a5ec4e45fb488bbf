#pragma once

// What the connection, the unit of work and the table claims share; no other module uses it.

#include "core/Errors.h"

#include <QDeadlineTimer>
#include <QString>

namespace theDBworks::Internal {

// Work that lost to another front desk's: a deadlock, or a lock waited for in vain. Thrown
// only inside a unit of work, whose owner runs it again or gives up.
class TransactionConflict final : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// The connection went away under a unit of work: its owner opens it again and runs the unit
// from its start. Carries the code of the statement that met it (empty for BEGIN or a query).
class ConnectionLost final : public DatabaseError {
public:
    ConnectionLost(QString code, const QString& description)
        : DatabaseError(description)
        , code_(std::move(code)) {}
    const QString& Code() const { return code_; }

private:
    QString code_;
};

void SetTransactionOpen(bool open);

// Runs BEGIN, COMMIT, ROLLBACK or a session setting; a failure leaves the statement in
// LastSQL and throws TransactionConflict, ConnectionLost or DatabaseError.
void RunControl(const QString& statement);

// Closes the connection that went away and opens it again with the stored settings; false,
// with the cause, when that fails.
bool Reconnect(QString& cause);
// Whether the database file at its path is still the one the connection has open; when it is
// not, nothing more may go to it: the user is told as for a connection that could not be opened
// again (under the code, when there is one), and the answer is false.
bool DatabaseFileInPlace(const QString& code);
// The connection could not be opened again: ErrMsg gets the cause (after the code, when
// there is one) and the connection-failure handler takes over.
void HandOverConnectionFailure(const QString& code, const QString& cause);

// A refusal met inside a unit of work waits until the unit has been rolled back.
bool RefusalPending();
void ForgetPendingRefusal();
void ShowPendingRefusal();
void ShowRecordHeldElsewhere();

// The unit of work's own clock for lock waits: every wait of the unit fits in what is left.
void StartLockWaitClock(const QDeadlineTimer& deadline);
void StopLockWaitClock();
// Sets the session's lock wait to the whole seconds left (at least one); false when less
// than one second is left.
bool FitLockWaitToClock();

// The waiting pointer while work that may wait for a lock runs.
class Waiting final {
    Q_DISABLE_COPY_MOVE(Waiting)

public:
    Waiting();
    ~Waiting();
};

} // namespace theDBworks::Internal
