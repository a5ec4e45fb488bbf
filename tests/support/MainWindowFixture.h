#pragma once

#include "core/DefaultInstance.h"
#include "core/GlobalLogin.h"
#include "core/SqlLiteral.h"
#include "core/frmLogInOut.h"
#include "core/mainFrm.h"
#include "core/ui/Dialogs.h"
#include "tests/support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// A fresh database and a loaded main window, as the program starts.
struct MainWindowFixture {
    std::unique_ptr<TestSupport::TestDatabase> db;
    QPointer<mainFrm> main;

    QString Start() {
        db = std::make_unique<TestSupport::TestDatabase>();
        if (!db->SetupError().isEmpty())
            return db->SetupError();
        main = new mainFrm();
        main->show();
        return {};
    }

    void Stop() {
        if (frmLogInOut* login = LoadedInstance<frmLogInOut>())
            delete login;
        delete main.data();
        db.reset();
    }

    // An account with the five privilege flags, in the order cmodifysettings, croomlist,
    // cmodifytax, canViewReport, ccustomerviewedit.
    QString AddUser(const QString& name, const QString& password, const QString& flags) {
        return db->Run(
            QStringLiteral("INSERT INTO tbl_users (cusername, cpassword, cmodifysettings, "
                           "croomlist, cmodifytax, canViewReport, ccustomerviewedit) "
                           "VALUES (") +
            SqlLiteral::Text(name) + QLatin1Char(',') +
            SqlLiteral::Text(GlobalLogin::EncryptPassword(password)) + QLatin1Char(',') + flags +
            QLatin1Char(')'));
    }

    QAction* Action(const QString& name) const { return main->findChild<QAction*>(name); }

    // Types into the login window and presses its button.
    static void TypeLogin(const QString& name, const QString& password) {
        frmLogInOut* login = LoadedInstance<frmLogInOut>();
        login->txtUserName->setText(name);
        login->txtPassWord->setText(password);
        QTest::mouseClick(login->Command1, Qt::LeftButton);
    }

    static QString LastMessage() {
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        return shown.isEmpty() ? QString() : shown.last().text;
    }
};
