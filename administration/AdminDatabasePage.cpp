#include "administration/AdminDatabasePage.h"

#include "core/CIniFile.h"
#include "core/DatabaseSettings.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/theDBworks.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FormControls.h"
#include "core/ui/PasswordEcho.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A file path goes into config.ini, not into a text column.
constexpr int kPathLength = 4096;

// A caption above its box, as the page lays out its fields.
void addCaptionAbove(QGridLayout* grid, int row, int column, const QString& caption, QWidget* box) {
    auto* label = new QLabel(caption, grid->parentWidget());
    label->setBuddy(box);
    grid->addWidget(label, row, column);
    grid->addWidget(box, row + 1, column);
}

} // namespace

AdminDatabasePage::AdminDatabasePage(FormBalloon& balloon, QWidget* parent)
    : QWidget(parent)
    , balloon_(balloon) {
    setObjectName(QStringLiteral("AdminDatabasePage"));
    buildControls();
    connectEvents();
}

AdminDatabasePage::~AdminDatabasePage() = default;

void AdminDatabasePage::buildControls() {
    Frame3 = NewFrame(this, QStringLiteral("Other Settings"), QStringLiteral("Frame3"));
    txtDBpath = NewTextBox(Frame3, QStringLiteral("txtDBpath"), {}, kPathLength);
    txtDBpath->setReadOnly(true);
    Command2 = NewButton(Frame3, QStringLiteral("Command2"), QStringLiteral("Browse"));
    Label12 = NewLabel(Frame3, QStringLiteral("Label12"),
                       QStringLiteral("By default, database is password protected. If you have "
                                      "changed the password of the database using MS Access, "
                                      "Please provide it here. To use default password leave it "
                                      "blank."));
    Label12->setWordWrap(true);
    txtDBpass = NewTextBox(Frame3, QStringLiteral("txtDBpass"));
    MaskWithAsterisks(txtDBpass);
    UseMySQL = NewCheckBox(Frame3, QStringLiteral("UseMySQL"), QStringLiteral("Use My SQL"));
    txtSQLHost = NewTextBox(Frame3, QStringLiteral("txtSQLHost"));
    txtSQLDBName = NewTextBox(Frame3, QStringLiteral("txtSQLDBName"));
    txtSQLUserName = NewTextBox(Frame3, QStringLiteral("txtSQLUserName"));
    txtSQLPassWord = NewTextBox(Frame3, QStringLiteral("txtSQLPassWord"));
    Command3 = NewButton(Frame3, QStringLiteral("Command3"), QStringLiteral("&Save DB Changes"));

    auto* grid = new QGridLayout(Frame3);
    grid->addWidget(new QLabel(QStringLiteral("Database Path"), Frame3), 0, 0, 1, 2);
    grid->addWidget(txtDBpath, 1, 0, 1, 2);
    grid->addWidget(Command2, 1, 2);
    grid->addWidget(Label12, 2, 0, 1, 3);
    grid->addWidget(txtDBpass, 3, 0, 1, 2);
    grid->addWidget(UseMySQL, 4, 0, 1, 3);
    addCaptionAbove(grid, 5, 0, QStringLiteral(" Host Name"), txtSQLHost);
    addCaptionAbove(grid, 5, 1, QStringLiteral("DB Name"), txtSQLDBName);
    addCaptionAbove(grid, 7, 0, QStringLiteral("User Name"), txtSQLUserName);
    addCaptionAbove(grid, 7, 1, QStringLiteral("Password"), txtSQLPassWord);
    grid->addWidget(Command3, 10, 1, 1, 2, Qt::AlignRight);
    grid->setRowStretch(9, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame3);
}

void AdminDatabasePage::connectEvents() {
    connect(Command2, &QPushButton::clicked, this, &AdminDatabasePage::Command2_Click);
    connect(UseMySQL, &QCheckBox::toggled, this, &AdminDatabasePage::UseMySQL_Click);
    connect(Command3, &QPushButton::clicked, this, &AdminDatabasePage::Command3_Click);
}

// The running connection's settings, with the user name and passwords decrypted. A value of
// UseSQL other than 1 means the file, as the connection takes it.
void AdminDatabasePage::LoadSettings() {
    const bool server = theDBworks::UseSQLFlag == 1;
    UseMySQL->setChecked(server);
    showServerInUse(server);
    if (server) {
        txtSQLHost->setText(theDBworks::SQLServerHost);
        txtSQLDBName->setText(theDBworks::SQLDatabaseName);
        txtSQLUserName->setText(theDBworks::SQLLoginName);
        txtSQLPassWord->setText(theDBworks::SQLLoginPassword);
    } else {
        txtDBpath->setText(theDBworks::DBPath);
        txtDBpass->setText(theDBworks::DBKey);
    }
}

// "Use My SQL" ticked or unticked: the server's boxes or the file's are in use.
void AdminDatabasePage::UseMySQL_Click() {
    Guarded(QStringLiteral("ADM0020"), [this] { showServerInUse(UseMySQL->isChecked()); });
}

void AdminDatabasePage::showServerInUse(bool server) {
    for (QLineEdit* box : {txtSQLHost, txtSQLDBName, txtSQLUserName, txtSQLPassWord})
        ShowFieldInUse(box, server);
    for (QLineEdit* box : {txtDBpath, txtDBpass})
        ShowFieldInUse(box, !server);
}

// "Browse": picks the database file.
void AdminDatabasePage::Command2_Click() {
    Guarded(QStringLiteral("ADM0005"), [this] {
        Dialogs::FileRequest request;
        request.title = QStringLiteral("Locate Database");
        request.filter = QStringLiteral("SQLite database (*.db)");
        request.initialPath = txtDBpath->text();
        const QString chosen = Dialogs::OpenFileName(request);
        if (!chosen.isEmpty())
            txtDBpath->setText(chosen);
    });
}

// "&Save DB Changes": stores the settings for the next start and logs the change.
void AdminDatabasePage::Command3_Click() {
    Guarded(QStringLiteral("ADM0006"), [this] { save(); });
}

void AdminDatabasePage::save() {
    if (!eachBoxIsOneLine())
        return;
    if (!Dialogs::AskYesNo(QStringLiteral("Modify Database settings?")))
        return;
    // Throws when config.ini cannot be written; then neither the log nor the notice follow.
    writeSettings();
    GlobalLogin::WriteLog(
        QStringLiteral("Database Settings Modified (Use SQL : ") +
            (UseMySQL->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No")) +
            QLatin1Char(')'),
        QStringLiteral("DBChanges"));
    Dialogs::Message(QStringLiteral("Database details modified!, The chages will take effect only "
                                    "after program re-start!"));
}

QList<std::pair<QLineEdit*, QString>> AdminDatabasePage::boxesToSave() const {
    if (UseMySQL->isChecked())
        return {{txtSQLHost, QStringLiteral("Host Name")},
                {txtSQLDBName, QStringLiteral("DB Name")},
                {txtSQLUserName, QStringLiteral("User Name")},
                {txtSQLPassWord, QStringLiteral("Password")}};
    return {{txtDBpath, QStringLiteral("Database Path")},
            {txtDBpass, QStringLiteral("Database Password")}};
}

// A pasted line break would start a line of its own in config.ini, or a section.
bool AdminDatabasePage::eachBoxIsOneLine() {
    balloon_.Remove();
    for (const auto& [box, caption] : boxesToSave()) {
        if (CIniFile::IsOneLine(box->text()))
            continue;
        ShowValidationBalloon(balloon_.Tip(), box, QStringLiteral("Invalid ") + caption,
                              QStringLiteral("Please enter the %1 on one line, without line "
                                             "breaks!")
                                  .arg(caption));
        return false;
    }
    return true;
}

void AdminDatabasePage::writeSettings() {
    if (UseMySQL->isChecked())
        DatabaseSettings::SaveServer({txtSQLHost->text(), txtSQLDBName->text(),
                                      txtSQLUserName->text(), txtSQLPassWord->text()});
    else
        DatabaseSettings::SaveFile(txtDBpath->text(), txtDBpass->text());
}
