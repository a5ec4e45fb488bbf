#include "administration/AdminDatabasePage.h"

#include "core/ui/CBalloonToolTip.h"

AdminDatabasePage::AdminDatabasePage(FormBalloon& balloon, QWidget* parent)
    : QWidget(parent)
    , balloon_(balloon) {}

AdminDatabasePage::~AdminDatabasePage() = default;

void AdminDatabasePage::LoadSettings() {}
