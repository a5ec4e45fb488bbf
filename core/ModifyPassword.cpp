#include "core/ModifyPassword.h"

#include "core/DefaultInstance.h"
#include "core/GlobalLogin.h"
#include "core/NewPasswordBox.h"
#include "core/UserStore.h"
#include "core/ui/Dialogs.h"
#include "core/ui/EnterPresses.h"
#include "core/ui/PasswordEcho.h"
#include "core/ui/Workspace.h"

#include "core/ui/FormControls.h"
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ModifyPassword::ModifyPassword()
    : QDialog(Workspace::MainWindow()) {
    setObjectName(QStringLiteral("ModifyPassword"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Modify Password"));
    buildControls();
    connectEvents();
}

ModifyPassword::~ModifyPassword() = default;

void ModifyPassword::buildControls() {
    Frame1 = NewFrame(this, QStringLiteral("Modify Password"), QStringLiteral("Frame1"));
    txtUserName = NewTextBox(Frame1, QStringLiteral("txtUserName"));
    txtPassWord = NewTextBox(Frame1, QStringLiteral("txtPassWord"));
    // The current password is typed as it was stored; the new one must fit the column.
    txtNewPassWord = NewPasswordBox(Frame1, QStringLiteral("txtNewPassWord"), balloon_);
    MaskWithAsterisks(txtPassWord);
    Line1 = new QFrame(Frame1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Command1 = NewButton(this, QStringLiteral("Command1"), QStringLiteral("&Modify"));

    auto* fields = new QGridLayout(Frame1);
    Label1 = Named(AddCaptionRow(fields, 0, QStringLiteral("User Name : "), txtUserName),
                   QStringLiteral("Label1"));
    Label2 = Named(AddCaptionRow(fields, 1, QStringLiteral("Password : "), txtPassWord),
                   QStringLiteral("Label2"));
    fields->addWidget(Line1, 2, 0, 1, 2);
    Label3 = Named(AddCaptionRow(fields, 3, QStringLiteral("New Password : "), txtNewPassWord),
                   QStringLiteral("Label3"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(Frame1, 0, 0);
    layout->addWidget(Command1, 1, 0, Qt::AlignRight);
}

void ModifyPassword::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, &ModifyPassword::Command1_Click);
    // Enter in any field modifies, as the button does.
    for (QLineEdit* box : {txtUserName, txtPassWord, txtNewPassWord})
        PressOnEnter(box, Command1);
    for (QWidget* clickable :
         {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(txtUserName),
          static_cast<QWidget*>(txtPassWord), static_cast<QWidget*>(txtNewPassWord)})
        clickable->installEventFilter(this);
}

void ModifyPassword::ShowWindow() {
    ShowDefaultInstance<ModifyPassword>();
}

bool ModifyPassword::eventFilter(QObject* watched, QEvent* event) {
    // A click on the frame or in a field removes the balloon.
    if (event->type() == QEvent::MouseButtonPress)
        balloon_.Remove();
    return QDialog::eventFilter(watched, event);
}

void ModifyPassword::mousePressEvent(QMouseEvent* event) {
    balloon_.Remove();
    QDialog::mousePressEvent(event);
}

bool ModifyPassword::fieldsFilled() {
    struct Check {
        QLineEdit* field;
        const char* title;
        const char* text;
    };
    const Check checks[] = {
        {txtUserName, "Please Enter Username", "Please Enter User Name!"},
        {txtPassWord, "Please Enter Password", "Please Enter Password!"},
        {txtNewPassWord, "Please Enter NEW Password", "Please Enter NEW Password!"},
    };
    for (const Check& check : checks) {
        if (check.field->text().isEmpty()) {
            ShowValidationBalloon(balloon_.Tip(), check.field, QString::fromLatin1(check.title),
                                  QString::fromLatin1(check.text));
            return false;
        }
    }
    return true;
}

// "&Modify": replaces the password when the name and the current password match.
void ModifyPassword::Command1_Click() {
    if (!fieldsFilled())
        return;
    if (!GlobalLogin::CheckUserPassword(txtUserName->text(), txtPassWord->text())) {
        Dialogs::Message(QStringLiteral("Wrong Username or password! Password not changed!"),
                         Dialogs::Icon::Critical);
        return;
    }
    const QString encrypted = GlobalLogin::EncryptPassword(txtNewPassWord->text());
    // A refused update is reported by the update itself; saying "changed" would be false.
    if (!UserStore::ChangePassword(txtUserName->text().trimmed(), encrypted))
        return;
    Dialogs::Message(QStringLiteral("Password succesfully changed!"), Dialogs::Icon::Information,
                     QStringLiteral("Password changed"));
    close();
}
