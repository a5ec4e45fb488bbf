#include "core/frmAbout.h"

#include "core/ProductInfo.h"
#include "core/ui/Dialogs.h"
#include "core/ui/Icons.h"
#include "core/ui/Shell.h"

#include "core/ui/FormControls.h"
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVersionNumber>

namespace {

constexpr int kLogoSize = 64;

QString versionText() {
    const QVersionNumber version = QVersionNumber::fromString(ProductInfo::Version());
    return QStringLiteral("%1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

QString legalNotice() {
    return QStringLiteral("Staymark is protected by copyright law. Copying, reproducing or "
                          "distributing this program, in whole or in part, without the written "
                          "permission of its maker is prohibited, and offenders will be "
                          "prosecuted.");
}

} // namespace

frmAbout::frmAbout()
    : QDialog(nullptr) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("About ") + ProductInfo::Name());
    setMouseTracking(true);
    buildControls();
    connectEvents();
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::ShowModal() {
    frmAbout box;
    Dialogs::RunModal(box);
}

void frmAbout::buildControls() {
    Picture1 = NewLabel(this, QStringLiteral("Picture1"), QString());
    Picture1->setPixmap(Icons::Get(Icons::Name::Program).pixmap(kLogoSize, kLogoSize));
    Label1 = NewLabel(this, QStringLiteral("Label1"), ProductInfo::Name());
    QFont title = Label1->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    Label1->setFont(title);
    Label2 = NewLabel(this, QStringLiteral("Label2"), ProductInfo::Description());
    Label6 = NewLabel(this, QStringLiteral("Label6"), QString());
    Label5 = NewLabel(this, QStringLiteral("Label5"), ProductInfo::HomePage());
    Label5->setMouseTracking(true);
    Label5->installEventFilter(this);
    setLinkLook(false);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    lblDisclaimer = NewLabel(this, QStringLiteral("lblDisclaimer"), legalNotice());
    lblDisclaimer->setWordWrap(true);
    cmdOK = NewButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdSysInfo = NewButton(this, QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."));

    auto* layout = new QGridLayout(this);
    layout->addWidget(Picture1, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1, 1, 2);
    layout->addWidget(Label2, 1, 1, 1, 2);
    layout->addWidget(Label6, 2, 1, 1, 2);
    layout->addWidget(Label5, 3, 1, 1, 2, Qt::AlignLeft);
    layout->addWidget(rule, 4, 0, 1, 3);
    layout->addWidget(lblDisclaimer, 5, 0, 2, 2);
    layout->addWidget(cmdOK, 5, 2);
    layout->addWidget(cmdSysInfo, 6, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    resize(460, sizeHint().height());
}

void frmAbout::connectEvents() {
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load() {
    Label6->setText(versionText());
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

// This platform has no system-information tool to start.
void frmAbout::StartSysInfo() {
    Dialogs::Message(QStringLiteral("System Information Is Unavailable At This Time"),
                     Dialogs::Icon::None);
}

void frmAbout::Label5_Click() {
    Shell::OpenUrl(QUrl(ProductInfo::HomePage()));
}

void frmAbout::Label5_MouseMove() {
    setLinkLook(true);
    setCursor(Qt::PointingHandCursor);
}

void frmAbout::Form_MouseMove() {
    setLinkLook(false);
    unsetCursor();
}

// Underlined and blue while the mouse is on the link; plain black otherwise.
void frmAbout::setLinkLook(bool highlighted) {
    QFont font = Label5->font();
    font.setUnderline(highlighted);
    font.setBold(false);
    Label5->setFont(font);
    QPalette palette = Label5->palette();
    palette.setColor(QPalette::WindowText, highlighted ? QColor(Qt::blue) : QColor(Qt::black));
    Label5->setPalette(palette);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label5) {
        if (event->type() == QEvent::MouseMove) {
            Label5_MouseMove();
            return true;
        }
        // Off the link onto any other part of the window, not only its background.
        if (event->type() == QEvent::Leave)
            Form_MouseMove();
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                Label5->rect().contains(mouse->position().toPoint()))
                Label5_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}
