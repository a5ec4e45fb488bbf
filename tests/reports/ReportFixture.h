#pragma once

#include "core/DefaultInstance.h"
#include "core/GlobalLogin.h"
#include "tests/support/MainWindowFixture.h"

#include <QLocale>
#include <QStringList>

// A desk logged in with the report privilege, the main window open on a fresh database; the
// report windows open through the main window's commands.
class ReportFixture : public MainWindowFixture {
    Q_OBJECT

protected:
    // The login state is set, not typed into the login window: a login writes a log row of its
    // own, which the log viewer's tests would then list.
    QString startProgram() override {
        const QString error = MainWindowFixture::startProgram();
        if (!error.isEmpty())
            return error;
        GlobalLogin::IsLoggedIn = true;
        GlobalLogin::LoggedUserName = QStringLiteral("admin");
        GlobalLogin::PrivViewReport = 1;
        return {};
    }

    // A test that switched the system's language leaves the next one in the process's own.
    void stopProgram() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MainWindowFixture::stopProgram();
    }

    // Opens a report window through its main window command; a command that opens none fails
    // the test, and gives null.
    template <typename Form>
    Form* Open(const QString& command,
               const std::source_location& where = std::source_location::current()) {
        if (!triggerAction(command, where))
            return nullptr;
        QApplication::processEvents();
        Form* form = LoadedInstance<Form>();
        if (!form)
            TestSupport::FailAt(
                QStringLiteral("the command \"%1\" opened no %2")
                    .arg(command, QLatin1String(Form::staticMetaObject.className())),
                where);
        return form;
    }

    // The kind, title and text of each message, question and dialog shown so far.
    static QStringList Shown() {
        QStringList texts;
        for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
            texts << shown.kind + QLatin1Char(':') + shown.title + QLatin1Char(':') + shown.text;
        return texts;
    }
};
