#include "administration/AdminCataloguePage.h"

#include "core/ui/CBalloonToolTip.h"

AdminCataloguePage::AdminCataloguePage(FormBalloon& balloon, QWidget* parent)
    : QWidget(parent)
    , balloon_(balloon) {}

AdminCataloguePage::~AdminCataloguePage() = default;

void AdminCataloguePage::AddFoodColumns() {}

void AdminCataloguePage::ItemCategoryListShow() {}
