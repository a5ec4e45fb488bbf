#include "administration/AdminDatabasePage.h"

#include "core/DatabaseSettings.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FormControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A caption above its box, as the page lays out its fields.
void addCaptionAbove(QGridLayout* grid, int row, int column, QLabel* caption, QWidget* box) {
    grid->addWidget(caption, row, column);
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
    // The page stores what it is given: an empty path is the program's own file, and an empty
    // login is the encryption's to report.
    form_.emplace(Frame3, balloon_,
                  DatabaseSettingsForm::Names{
                      .serverChoice = QStringLiteral("UseMySQL"),
                      .serverChoiceCaption = QStringLiteral("Use My SQL"),
                      .path = QStringLiteral("txtDBpath"),
                      .pathCaption = QStringLiteral("Database Path"),
                      .pathTyped = false,
                      .browse = QStringLiteral("Command2"),
                      .passwordCaption = {}, // Label12 explains it
                      .serverPasswordMasked = false,
                      .emptyBoxesRefused = false,
                  });
    UseMySQL = form_->ServerChoice;
    txtDBpath = form_->Path;
    Command2 = form_->Browse;
    txtDBpass = form_->Password;
    txtSQLHost = form_->Host;
    txtSQLDBName = form_->DatabaseName;
    txtSQLUserName = form_->UserName;
    txtSQLPassWord = form_->ServerPassword;
    // Tab goes down the page: the file's boxes, then the choice of the server, then its boxes.
    setTabOrder(txtDBpass, UseMySQL);
    Label12 = NewLabel(Frame3, QStringLiteral("Label12"),
                       QStringLiteral("By default, database is password protected. If you have "
                                      "changed the password of the database using MS Access, "
                                      "Please provide it here. To use default password leave it "
                                      "blank."));
    Label12->setWordWrap(true);
    Command3 = NewButton(Frame3, QStringLiteral("Command3"), QStringLiteral("&Save DB Changes"));

    auto* grid = new QGridLayout(Frame3);
    grid->addWidget(form_->CaptionOf(txtDBpath), 0, 0, 1, 2);
    grid->addWidget(txtDBpath, 1, 0, 1, 2);
    grid->addWidget(Command2, 1, 2);
    grid->addWidget(Label12, 2, 0, 1, 3);
    grid->addWidget(txtDBpass, 3, 0, 1, 2);
    grid->addWidget(UseMySQL, 4, 0, 1, 3);
    addCaptionAbove(grid, 5, 0, form_->CaptionOf(txtSQLHost), txtSQLHost);
    addCaptionAbove(grid, 5, 1, form_->CaptionOf(txtSQLDBName), txtSQLDBName);
    addCaptionAbove(grid, 7, 0, form_->CaptionOf(txtSQLUserName), txtSQLUserName);
    addCaptionAbove(grid, 7, 1, form_->CaptionOf(txtSQLPassWord), txtSQLPassWord);
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

// The running connection's settings, not config.ini, which may have been changed since.
void AdminDatabasePage::LoadSettings() {
    form_->Load(DatabaseSettings::OfRunningConnection());
}

// "Use My SQL" ticked or unticked: the server's boxes or the file's are in use.
void AdminDatabasePage::UseMySQL_Click() {
    Guarded(QStringLiteral("ADM0020"), [this] { form_->ShowServerInUse(UseMySQL->isChecked()); });
}

// "Browse": picks the database file.
void AdminDatabasePage::Command2_Click() {
    Guarded(QStringLiteral("ADM0005"), [this] { form_->ChooseFile(); });
}

// "&Save DB Changes": stores the settings for the next start and logs the change.
void AdminDatabasePage::Command3_Click() {
    Guarded(QStringLiteral("ADM0006"), [this] { save(); });
}

void AdminDatabasePage::save() {
    if (form_->RejectedBox())
        return;
    if (!Dialogs::AskYesNo(QStringLiteral("Modify Database settings?")))
        return;
    const DatabaseSettings::Values values = form_->Values();
    // Throws when config.ini cannot be written; then neither the log nor the notice follow.
    DatabaseSettings::Save(values);
    GlobalLogin::WriteLog(QStringLiteral("Database Settings Modified (Use SQL : ") +
                              (values.server ? QStringLiteral("Yes") : QStringLiteral("No")) +
                              QLatin1Char(')'),
                          QStringLiteral("DBChanges"));
    Dialogs::Message(QStringLiteral("Database details modified!, The chages will take effect only "
                                    "after program re-start!"));
}
