#include "core/frmLogInOut.h"

#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/NewPasswordBox.h"
#include "core/UserStore.h"
#include "core/WindowNotices.h"
#include "core/ui/Dialogs.h"
#include "core/ui/EnterPresses.h"
#include "core/ui/Icons.h"
#include "core/ui/PasswordEcho.h"
#include "core/ui/Workspace.h"

#include "core/ui/FormControls.h"
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmLogInOut::frmLogInOut()
    : QDialog(Workspace::MainWindow()) {
    setObjectName(QStringLiteral("frmLogInOut"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Login/LogOut"));

    buildControls();
    connectEvents();
    Form_Load();
}

frmLogInOut::~frmLogInOut() = default;

void frmLogInOut::buildControls() {
    Image1 = NewPicture(this, QStringLiteral("Image1"), Icons::Get(Icons::Name::Login), 48);
    Image2 =
        NewPicture(this, QStringLiteral("Image2"), Icons::Get(Icons::Name::NewMasterAccount), 48);
    loginLabel = NewLabel(this, QStringLiteral("loginLabel"),
                          QStringLiteral("You are not logged in or you do not have permission to "
                                         "access this Program."));
    loginLabel->setWordWrap(true);
    Frame1 = NewFrame(this, QStringLiteral("Existing user log in"), QStringLiteral("Frame1"));
    txtUserName = NewTextBox(Frame1, QStringLiteral("txtUserName"));
    txtPassWord = NewTextBox(Frame1, QStringLiteral("txtPassWord"));
    MaskWithAsterisks(txtPassWord);
    Command1 = NewButton(this, QStringLiteral("Command1"), QStringLiteral("Log &In"));

    auto* fields = new QGridLayout(Frame1);
    Label1 = Named(AddCaptionRow(fields, 0, QStringLiteral("Username : "), txtUserName),
                   QStringLiteral("Label1"));
    Label2 = Named(AddCaptionRow(fields, 1, QStringLiteral("Password : "), txtPassWord),
                   QStringLiteral("Label2"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0);
    layout->addWidget(Image2, 0, 0);
    layout->addWidget(loginLabel, 0, 1);
    layout->addWidget(Frame1, 1, 0, 1, 2);
    layout->addWidget(Command1, 2, 1, Qt::AlignRight);
}

void frmLogInOut::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, &frmLogInOut::Command1_Click);
    // Enter in either field logs in, as the button does.
    PressOnEnter(txtUserName, Command1);
    PressOnEnter(txtPassWord, Command1);
    connect(txtPassWord, &QLineEdit::textChanged, this, &frmLogInOut::txtPassWord_Change);
    txtUserName->installEventFilter(this);
    txtPassWord->installEventFilter(this);
}

void frmLogInOut::ShowWindow() {
    ShowDefaultInstance<frmLogInOut>();
}

void frmLogInOut::Form_Load() {
    Guarded(QStringLiteral("FRLOG002"), [this] {
        const bool noAccount = UserStore::NoUserExists();
        if (noAccount) {
            loginLabel->setText(QStringLiteral("Master Account does not exist! Please create a new "
                                               "master login account."));
            setWindowTitle(QStringLiteral("Create Master Account"));
            Frame1->setTitle(QStringLiteral("Creat a New Account"));
            Command1->setText(QStringLiteral("Create"));
            // The password becomes the master account's: it must fit the column enciphered.
            HoldStorablePassword(txtPassWord, balloon_);
        } else {
            loginLabel->setText(
                QStringLiteral("Please login with your valid username and password to proceed."));
            setWindowTitle(QStringLiteral("Login"));
            Command1->setText(QStringLiteral("Login"));
        }
        Image2->setVisible(noAccount);
        Image1->setVisible(!noAccount);
    });
}

bool frmLogInOut::eventFilter(QObject* watched, QEvent* event) {
    // A click in either field removes the balloon.
    if (event->type() == QEvent::MouseButtonPress)
        balloon_.Remove();
    return QDialog::eventFilter(watched, event);
}

void frmLogInOut::txtPassWord_Change() {
    Guarded(QStringLiteral("FRLOG003"), [this] { balloon_.Remove(); });
}

// "Log &In" / "Create": logs in, or makes the master account while none exists.
void frmLogInOut::Command1_Click() {
    Guarded(QStringLiteral("FRLOG001"), [this] {
        // The account's name is the typed one without the blanks around it: a name of blanks
        // alone is none.
        const QString userName = UserStore::StoredUserName(txtUserName->text());
        if (userName.isEmpty()) {
            ShowValidationBalloon(balloon_.Tip(), txtUserName,
                                  QStringLiteral("Please Enter Username"),
                                  QStringLiteral("Please Enter User Name!"));
            return;
        }
        if (txtPassWord->text().isEmpty()) {
            ShowValidationBalloon(balloon_.Tip(), txtPassWord,
                                  QStringLiteral("Please Enter Password"),
                                  QStringLiteral("Please Enter Password!"));
            return;
        }
        const QString password = txtPassWord->text();
        if (UserStore::NoUserExists()) {
            if (createMasterAccount(userName, password))
                close();
            return;
        }
        logIn(userName, password);
    });
}

bool frmLogInOut::createMasterAccount(const QString& userName, const QString& password) {
    const QString encrypted = GlobalLogin::EncryptPassword(password);
    // No account was stored: saying "created" and logging in would report a failure as success.
    if (!UserStore::AddMasterAccount(userName, encrypted))
        return false;
    showLoggedIn(userName);
    Dialogs::Message(QStringLiteral("Master account created. You are now logged in as ") +
                     userName);
    GlobalLogin::IsLoggedIn = true;
    GlobalLogin::ReloadUser(userName, password);
    return true;
}

void frmLogInOut::logIn(const QString& userName, const QString& password) {
    if (GlobalLogin::LogInUser(userName, password)) {
        GlobalLogin::IsLoggedIn = true;
        showLoggedIn(userName);
        Dialogs::Message(QStringLiteral("You are logged in as ") + userName);
        close();
        return;
    }
    const bool closeAfterRefusal = GlobalLogin::LoginSucceeded;
    if (closeAfterRefusal && GlobalLogin::LogInUser(userName, password))
        return;
    GlobalLogin::IsLoggedIn = false;
    Dialogs::Message(QStringLiteral("Username Or Password Don not match"), Dialogs::Icon::Critical,
                     QStringLiteral("Wrong Username/Password"));
    // After an earlier login of this run the window closes; before it, it stays for a retry.
    if (closeAfterRefusal)
        close();
}

void frmLogInOut::showLoggedIn(const QString& userName) {
    emit WindowNotices::Instance().LoggedIn(userName);
}
