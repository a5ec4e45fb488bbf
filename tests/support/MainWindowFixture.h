#pragma once

#include "app/mainFrm.h"
#include "core/DefaultInstance.h"
#include "core/GlobalLogin.h"
#include "core/frmLogInOut.h"
#include "core/ui/Dialogs.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/WindowChecks.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <source_location>

// A fresh database and a loaded main window for each test, as the program starts.
class MainWindowFixture : public TestSupport::DatabaseTest {
    Q_OBJECT

protected:
    QString startProgram() override;
    void stopProgram() override;

    // Runs the main window's command of this name as its menu or toolbar does; a missing or
    // disabled command fails the test. Whether the command ran.
    bool triggerAction(const QString& name,
                       const std::source_location& where = std::source_location::current());

    // Types into the login window and presses its button; fails the test when it is not open.
    static void TypeLogin(const QString& name, const QString& password,
                          const std::source_location& where = std::source_location::current());

    // What the main window shows of the login state: the status bar's first panel, the login
    // command and the password command.
    QLabel* loginPanel() const;
    QAction* loginCommand() const;
    QAction* passwordCommand() const;

    QPointer<mainFrm> main;
};
