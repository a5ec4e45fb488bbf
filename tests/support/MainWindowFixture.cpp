#include "tests/support/MainWindowFixture.h"

using TestSupport::FailAt;

QString MainWindowFixture::startProgram() {
    const QString error = DatabaseTest::startProgram();
    if (!error.isEmpty())
        return error;
    main = new mainFrm();
    main->show();
    return {};
}

void MainWindowFixture::stopProgram() {
    delete main.data();
    DatabaseTest::stopProgram();
}

bool MainWindowFixture::triggerAction(const QString& name, const std::source_location& where) {
    QAction* action = main ? main->findChild<QAction*>(name) : nullptr;
    if (!action) {
        FailAt(QStringLiteral("the main window has no command \"%1\"").arg(name), where);
        return false;
    }
    if (!action->isEnabled()) {
        FailAt(QStringLiteral("the main window's command \"%1\" is disabled").arg(name), where);
        return false;
    }
    action->trigger();
    return true;
}

QLabel* MainWindowFixture::loginPanel() const {
    return TestSupport::control<QLabel>(main.data(), QStringLiteral("StatusBar1Panel1"));
}

QAction* MainWindowFixture::loginCommand() const {
    return TestSupport::control<QAction>(main.data(), QStringLiteral("mnuLoginLogOut"));
}

QAction* MainWindowFixture::passwordCommand() const {
    return TestSupport::control<QAction>(main.data(), QStringLiteral("mnuChangeMyPassword"));
}

void MainWindowFixture::TypeLogin(const QString& name, const QString& password,
                                  const std::source_location& where) {
    frmLogInOut* login = LoadedInstance<frmLogInOut>();
    if (!login) {
        FailAt(QStringLiteral("the login window is not open"), where);
        return;
    }
    login->txtUserName->setText(name);
    login->txtPassWord->setText(password);
    QTest::mouseClick(login->Command1, Qt::LeftButton);
}
