#pragma once

#include <QString>

#include <functional>

class Recordset;

// The statements of tbl_logTable that the log viewer runs. An empty key stands for every row.
namespace LogStore {

// The rows of the key in the database's own order, each handed to `eachRow` as it is read
// (a row whose first column is empty is skipped). When the connection goes away meanwhile,
// `startOver` runs and the rows come again from the first on a new connection. Throws when the
// query fails, or when the connection cannot be opened again.
void ReadLog(const QString& key, const std::function<void(const Recordset&)>& eachRow,
             const std::function<void()>& startOver);
// Deletes one row; throws when the database refuses.
void RemoveLog(qint64 id);
// Deletes the rows of the key; throws when the database refuses.
void ClearLog(const QString& key);
// Deletes the rows of the key through the delete operation, which reports a refusal itself;
// true when it ran.
bool ClearLogReported(const QString& key);

} // namespace LogStore
