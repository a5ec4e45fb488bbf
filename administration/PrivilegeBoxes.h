#pragma once

#include "core/UserStore.h"

#include <QList>

class QCheckBox;
class QWidget;

// The five check boxes of an account's privileges, as the user page and the privilege editor
// both show them, in the order of the privileges.
struct PrivilegeBoxes {
    QCheckBox* modifySettings = nullptr;   // CheckModifySettings
    QCheckBox* roomList = nullptr;         // CheckCanViewRoomList
    QCheckBox* modifyTax = nullptr;        // CheckCanAddModifyTax
    QCheckBox* customerViewEdit = nullptr; // CheckCanViewEditCustomreList
    QCheckBox* viewReport = nullptr;       // canViewReport

    static PrivilegeBoxes Make(QWidget* parent);
    QList<QCheckBox*> All() const;
    // Each flag 1 when its box is ticked.
    UserStore::Privileges Checked() const;
};
