#include "administration/RoomIdFilter.h"

#include "core/ui/functions_Store.h"

#include <QLineEdit>

namespace {

QString withoutForbidden(const QString& text) {
    static const QVariantList forbidden{QStringLiteral("'"), QStringLiteral(";"),
                                        QStringLiteral("?")};
    return functions_Store::ReplaceList(text, QString(), forbidden);
}

} // namespace

void FilterRoomIdBox(QLineEdit& box) {
    const QString text = box.text();
    const int cursor = box.cursorPosition();
    // Filtered on each side of the cursor, so the next key lands where the user put it.
    const QString before = withoutForbidden(text.left(cursor));
    const QString after = withoutForbidden(text.mid(cursor));
    if (before.size() + after.size() == text.size())
        return;
    box.setText(before + after);
    box.setCursorPosition(int(before.size()));
}
