#pragma once

#include <QPointer>

// Each window of one instance is reached through its default instance: made on first use,
// deleted when it closes, and made afresh on the next use.
template <typename Form> QPointer<Form>& InstanceSlot() {
    static QPointer<Form> form;
    return form;
}

template <typename Form> Form* DefaultInstance() {
    QPointer<Form>& form = InstanceSlot<Form>();
    if (!form)
        form = new Form();
    return form;
}

// The loaded default instance, or null.
template <typename Form> Form* LoadedInstance() {
    return InstanceSlot<Form>();
}

// Shows the default instance as a window of its own, or brings it forward.
template <typename Form> void ShowDefaultInstance() {
    Form* form = DefaultInstance<Form>();
    form->show();
    form->raise();
    form->activateWindow();
}
