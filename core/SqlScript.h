#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The schema files are plain SQL scripts; these run one on a connection.
namespace SqlScript {

// The statements of a script: split at ";" outside quotes, without "--" comment lines.
QStringList Split(const QString& script);

// Runs every statement of the file; throws DatabaseError naming the first that fails.
void RunFile(QSqlDatabase& db, const QString& path);

} // namespace SqlScript
