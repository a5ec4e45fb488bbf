#pragma once

#include <QString>
#include <QStringList>

// The tables the program makes and drops itself: a room's booking table and an order's item
// table. On MariaDB a change of one commits by itself, outside the unit of work that fills or
// empties it, so a desk that stops in between (a server gone, a program killed) leaves it half
// done, and two desks may change the same table at once.
namespace ProgramTables {

// The names of the tables that begin with `prefix` (compared as the database compares names),
// as the catalogue lists them. Read as every query is read: a lost connection is opened again.
QStringList NamesBeginningWith(const QString& prefix);

// While one desk changes a table of the program's, the others leave it alone. On MariaDB a
// named lock of the server session, which goes with the session when the desk or the server
// dies; SQLite needs none, its table changes being part of the unit of work, and a claim there
// is always held.
class Claim final {
    Q_DISABLE_COPY_MOVE(Claim)

public:
    enum class Wait {
        No,             // another desk's claim is left to it
        ForAnotherDesk, // waited for as for a record's lock; in vain, the user is told
    };
    // `subject` names what is claimed, the same at every desk.
    Claim(QString subject, Wait wait);
    ~Claim();
    // False when another desk holds the subject now.
    bool Held() const { return held_; }

private:
    QString subject_;
    bool held_ = false;
    bool locked_ = false;
};

} // namespace ProgramTables
