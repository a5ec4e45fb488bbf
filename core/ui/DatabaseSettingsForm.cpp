#include "core/ui/DatabaseSettingsForm.h"

#include "core/CIniFile.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FormControls.h"
#include "core/ui/PasswordEcho.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A file path goes into config.ini, not into a text column: it may be as long as Linux allows.
constexpr int kPathLength = 4096;

} // namespace

// One box's check: what its balloons call it, and the balloon it gets when it is empty where
// empty boxes are refused (none for a box that may stay empty).
struct DatabaseSettingsForm::Check {
    QLineEdit* box;
    QString name;
    QString emptyTitle;
    QString emptyText;
};

DatabaseSettingsForm::DatabaseSettingsForm(QWidget* parent, FormBalloon& balloon,
                                           const Names& names)
    : balloon_(balloon)
    , emptyBoxesRefused_(names.emptyBoxesRefused) {
    ServerChoice = NewCheckBox(parent, names.serverChoice, names.serverChoiceCaption);
    Path = newBox(parent, names.path, names.pathCaption, kPathLength);
    Path->setReadOnly(!names.pathTyped);
    Browse = NewButton(parent, names.browse, QStringLiteral("Browse"));
    Password =
        newBox(parent, QStringLiteral("txtDBpass"), names.passwordCaption, kTextColumnLength);
    MaskWithAsterisks(Password);
    Host = newBox(parent, QStringLiteral("txtSQLHost"), QStringLiteral(" Host Name"),
                  kTextColumnLength);
    DatabaseName = newBox(parent, QStringLiteral("txtSQLDBName"), QStringLiteral("DB Name"),
                          kTextColumnLength);
    UserName = newBox(parent, QStringLiteral("txtSQLUserName"), QStringLiteral("User Name"),
                      kTextColumnLength);
    ServerPassword = newBox(parent, QStringLiteral("txtSQLPassWord"), QStringLiteral("Password"),
                            kTextColumnLength);
    if (names.serverPasswordMasked)
        MaskWithAsterisks(ServerPassword);
}

DatabaseSettingsForm::~DatabaseSettingsForm() = default;

QLineEdit* DatabaseSettingsForm::newBox(QWidget* parent, const QString& name,
                                        const QString& caption, int maxLength) {
    QLineEdit* box = NewTextBox(parent, name, {}, maxLength);
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, parent);
        label->setBuddy(box);
        captions_.append(label);
    }
    // Typing into a box answers its balloon.
    QObject::connect(box, &QLineEdit::textEdited, box, [this] { balloon_.Remove(); });
    return box;
}

QLabel* DatabaseSettingsForm::CaptionOf(const QLineEdit* box) const {
    for (QLabel* label : captions_)
        if (label->buddy() == box)
            return label;
    return nullptr;
}

void DatabaseSettingsForm::Load(const DatabaseSettings::Values& values) {
    ServerChoice->setChecked(values.server);
    ShowServerInUse(values.server);
    Path->setText(values.path);
    Password->setText(values.password);
    Host->setText(values.login.host);
    DatabaseName->setText(values.login.databaseName);
    UserName->setText(values.login.userName);
    ServerPassword->setText(values.login.password);
}

void DatabaseSettingsForm::ShowServerInUse(bool server) {
    for (QLineEdit* box : {Host, DatabaseName, UserName, ServerPassword})
        ShowFieldInUse(box, server);
    for (QLineEdit* box : {Path, Password})
        ShowFieldInUse(box, !server);
}

void DatabaseSettingsForm::ChooseFile() {
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Locate Database");
    request.filter = QStringLiteral("SQLite database (*.db)");
    request.initialPath = Path->text();
    const QString chosen = Dialogs::OpenFileName(request);
    if (!chosen.isEmpty())
        Path->setText(chosen);
}

QList<DatabaseSettingsForm::Check> DatabaseSettingsForm::checksOfTheChoice() const {
    if (ServerChoice->isChecked())
        return {{Host, QStringLiteral("Host Name"), QStringLiteral("Enter SQL Host"),
                 QStringLiteral("Enter SQL Host!")},
                {DatabaseName, QStringLiteral("DB Name"), QStringLiteral("Enter SQL Database Name"),
                 QStringLiteral("Please enter SQL Database!")},
                {ServerPassword, QStringLiteral("Password"), QStringLiteral("Enter SQL password"),
                 QStringLiteral("Please enter SQL password!")},
                {UserName, QStringLiteral("User Name"), QStringLiteral("Enter SQL Username"),
                 QStringLiteral("Please enter SQL username!")}};
    // A blank password means the default one.
    return {{Path, QStringLiteral("Database Path"), QStringLiteral("Please enter Database path"),
             QStringLiteral("Please enter Database path!")},
            {Password, QStringLiteral("Database Password"), {}, {}}};
}

// A line break would start a line of its own in config.ini, or a section.
QLineEdit* DatabaseSettingsForm::RejectedBox() {
    balloon_.Remove();
    for (const Check& check : checksOfTheChoice()) {
        const QString text = check.box->text();
        if (text.isEmpty() && emptyBoxesRefused_ && !check.emptyTitle.isEmpty()) {
            ShowValidationBalloon(balloon_.Tip(), check.box, check.emptyTitle, check.emptyText);
            return check.box;
        }
        if (!CIniFile::IsOneLine(text)) {
            ShowValidationBalloon(balloon_.Tip(), check.box,
                                  QStringLiteral("Invalid ") + check.name,
                                  QStringLiteral("Please enter the %1 on one line, without line "
                                                 "breaks!")
                                      .arg(check.name));
            return check.box;
        }
    }
    return nullptr;
}

DatabaseSettings::Values DatabaseSettingsForm::Values() const {
    return {ServerChoice->isChecked(),
            Path->text(),
            Password->text(),
            {Host->text(), DatabaseName->text(), UserName->text(), ServerPassword->text()}};
}
