#pragma once

#include <QString>
#include <QStringList>

enum class DbBackend { SQLite, MySQL };

// Statements are written once, in the Access dialect; this turns one into the text the
// connected back end runs. Quoted texts are never touched.
namespace SqlDialect {

QString Translate(const QString& accessSql, DbBackend backend);

// The base tables the program reads and writes, named as created; it never makes them itself.
const QStringList& BaseTables();

} // namespace SqlDialect
