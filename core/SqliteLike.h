#pragma once

#include <QString>

class QSqlDatabase;

// LIKE on the embedded database compares letters as the MariaDB collation utf8mb4_unicode_ci
// does, without regard to case or accents, where SQLite's own LIKE folds only ASCII letters.
namespace SqliteLike {

// Gives the open SQLite connection that comparison for LIKE, with and without ESCAPE; false
// when SQLite refused it.
bool Install(QSqlDatabase& db);

// Whether `text` matches `pattern` under that comparison: "%" stands for any run of
// characters, "_" for one, and the escape character (none when null) makes the next character
// stand for itself.
bool Matches(const QString& pattern, const QString& text, QChar escape);

} // namespace SqliteLike
