#include "administration/PrivilegeBoxes.h"

#include "core/ui/FormControls.h"

#include <QCheckBox>

namespace {

int flagOf(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

} // namespace

PrivilegeBoxes PrivilegeBoxes::Make(QWidget* parent) {
    PrivilegeBoxes boxes;
    boxes.modifySettings = NewCheckBox(parent, QStringLiteral("CheckModifySettings"),
                                       QStringLiteral("Access to Admin Area. Can Modify Settings"));
    boxes.roomList = NewCheckBox(parent, QStringLiteral("CheckCanViewRoomList"),
                                 QStringLiteral("Can View Room List"));
    boxes.modifyTax = NewCheckBox(parent, QStringLiteral("CheckCanAddModifyTax"),
                                  QStringLiteral("Can Add/Modify Tax"));
    boxes.customerViewEdit = NewCheckBox(parent, QStringLiteral("CheckCanViewEditCustomreList"),
                                         QStringLiteral("Can View/Edit Customer List"));
    boxes.viewReport =
        NewCheckBox(parent, QStringLiteral("canViewReport"), QStringLiteral("Can View Reports"));
    return boxes;
}

QList<QCheckBox*> PrivilegeBoxes::All() const {
    return {modifySettings, roomList, modifyTax, customerViewEdit, viewReport};
}

UserStore::Privileges PrivilegeBoxes::Checked() const {
    UserStore::Privileges privileges;
    privileges.modifySettings = flagOf(modifySettings);
    privileges.roomList = flagOf(roomList);
    privileges.modifyTax = flagOf(modifyTax);
    privileges.customerViewEdit = flagOf(customerViewEdit);
    privileges.viewReport = flagOf(viewReport);
    return privileges;
}
