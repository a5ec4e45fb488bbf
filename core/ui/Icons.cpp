#include "core/ui/Icons.h"

#include <array>
#include <utility>

// The resource lives in this static library: a program or test that never names it would lose
// it to the linker, so the accessor registers it before the first picture loads.
static void registerIconResource() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

namespace Icons {

namespace {

constexpr std::array kFiles = {
    std::pair{Name::NewBooking, "new_booking"},
    std::pair{Name::NewFoodOrder, "new_food_order"},
    std::pair{Name::CustomerList, "customer_list"},
    std::pair{Name::RoomSchedule, "room_schedule"},
    std::pair{Name::StatsView, "stats_view"},
    std::pair{Name::LogView, "log_view"},
    std::pair{Name::Administrator, "administrator"},
    std::pair{Name::Program, "program"},
    std::pair{Name::CustomerMan, "customer_man"},
    std::pair{Name::CustomerWoman, "customer_woman"},
    std::pair{Name::Room, "room"},
    std::pair{Name::FoodCategory, "food_category"},
    std::pair{Name::FoodItem, "food_item"},
    std::pair{Name::Add, "add"},
    std::pair{Name::Remove, "remove"},
    std::pair{Name::Modify, "modify"},
    std::pair{Name::Cancel, "cancel"},
    std::pair{Name::Login, "login"},
    std::pair{Name::NewMasterAccount, "new_master_account"},
    std::pair{Name::Information, "information"},
    std::pair{Name::Warning, "warning"},
    std::pair{Name::Error, "error"},
};

} // namespace

QIcon Get(Name name) {
    registerIconResource();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(FileName(name)));
}

QList<Name> All() {
    QList<Name> names;
    for (const auto& [name, file] : kFiles)
        names.append(name);
    return names;
}

QString FileName(Name name) {
    for (const auto& [known, file] : kFiles)
        if (known == name)
            return QString::fromLatin1(file);
    return {};
}

} // namespace Icons
