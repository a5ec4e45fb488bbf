#include "administration/AdminHotelPage.h"

#include "core/ui/CBalloonToolTip.h"

AdminHotelPage::AdminHotelPage(FormBalloon& balloon, QWidget* parent)
    : QWidget(parent)
    , balloon_(balloon) {}

AdminHotelPage::~AdminHotelPage() = default;

void AdminHotelPage::HotelInfoShow() {}
