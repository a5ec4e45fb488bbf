#include "reports/LogStore.h"

#include "core/SqlLiteral.h"
#include "core/theDBworks.h"

namespace {

QString keyCondition(const QString& key) {
    return key.isEmpty() ? QString() : QStringLiteral(" WHERE LogKey=") + SqlLiteral::Text(key);
}

} // namespace

namespace LogStore {

void ReadLog(const QString& key, const std::function<void(const Recordset&)>& eachRow,
             const std::function<void()>& startOver) {
    theDBworks::WalkRecords(QStringLiteral("SELECT * FROM tbl_logTable") + keyCondition(key),
                            eachRow, startOver);
}

// The deletions run as queries, so a refusal fails into the window's own error handling.
void RemoveLog(qint64 id) {
    theDBworks::OpenRecordset(QStringLiteral("DELETE FROM tbl_logTable WHERE ID=") +
                              SqlLiteral::Number(id));
}

void ClearLog(const QString& key) {
    theDBworks::OpenRecordset(QStringLiteral("DELETE FROM tbl_logTable") + keyCondition(key));
}

bool ClearLogReported(const QString& key) {
    return theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE FROM tbl_logTable") +
                                        keyCondition(key));
}

} // namespace LogStore
