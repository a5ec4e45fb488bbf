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
