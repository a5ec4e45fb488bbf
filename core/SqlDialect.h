#pragma once

#include <QString>

enum class DbBackend { SQLite, MySQL };

// Statements are written once, in the Access dialect; this turns one into the text the
// connected back end runs. Quoted texts are never touched.
namespace SqlDialect {

QString Translate(const QString& accessSql, DbBackend backend);

} // namespace SqlDialect
