// Makes the embedded database from the schema file, where none exists yet: a rebuild never
// replaces a database that holds a hotel's data.
#include "core/SqlScript.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTextStream>

#include "core/Errors.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        err << "usage: staymark_make_database <schema.sql> <database file>\n";
        return 2;
    }
    const QString schema = args.at(1);
    const QString target = args.at(2);
    if (QFileInfo::exists(target))
        return 0;
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(partial);
        if (!db.open()) {
            err << "cannot create " << partial << "\n";
            return 1;
        }
        try {
            SqlScript::RunFile(db, schema);
        } catch (const DatabaseError& error) {
            err << error.Description() << "\n";
            db.close();
            QFile::remove(partial);
            return 1;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    if (!QFile::rename(partial, target)) {
        err << "cannot move " << partial << " to " << target << "\n";
        return 1;
    }
    return 0;
}
