#include "core/SqlScript.h"

#include "core/Errors.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace SqlScript {

QStringList Split(const QString& script) {
    QStringList statements;
    QString current;
    QChar quote;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (quote.isNull() && line.trimmed().startsWith(QStringLiteral("--")))
            continue;
        for (QChar c : line) {
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
                quote = c;
            } else if (c == QLatin1Char(';')) {
                if (!current.trimmed().isEmpty())
                    statements.append(current.trimmed());
                current.clear();
                continue;
            }
            current += c;
        }
        current += QLatin1Char('\n');
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

void RunFile(QSqlDatabase& db, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw DatabaseError(QStringLiteral("Cannot read %1").arg(path));
    const QStringList statements = Split(QString::fromUtf8(file.readAll()));
    for (const QString& statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            throw DatabaseError(QStringLiteral("%1\n%2").arg(query.lastError().text(), statement));
    }
}

} // namespace SqlScript
