#pragma once

#include "core/GlobalLogin.h"
#include "tests/support/MainWindowFixture.h"

#include <QStringList>

// A desk logged in with the report privilege, the main window open on a fresh database.
struct ReportFixture : MainWindowFixture {
    // Opens a report window through its main window command; null when none opened.
    template <typename Form> Form* Open(const QString& command) {
        GlobalLogin::IsLoggedIn = true;
        GlobalLogin::LoggedUserName = QStringLiteral("admin");
        GlobalLogin::PrivViewReport = 1;
        Action(command)->trigger();
        QApplication::processEvents();
        return LoadedInstance<Form>();
    }

    // The texts of the messages, questions and dialogs shown so far.
    static QStringList Shown() {
        QStringList texts;
        for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
            texts << shown.kind + QLatin1Char(':') + shown.title + QLatin1Char(':') + shown.text;
        return texts;
    }

    // Makes the next deletions from the table fail on either back end.
    QString RefuseDeletes(const QString& table) {
        const QString sqlite =
            QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON %1 BEGIN SELECT "
                           "RAISE(ABORT, 'refused'); END");
        const QString mariadb =
            QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON %1 FOR EACH ROW SIGNAL "
                           "SQLSTATE '45000' SET MESSAGE_TEXT = 'refused'");
        return db->Run((db->Which() == TestSupport::Backend::SQLite ? sqlite : mariadb).arg(table));
    }
};
