#include "core/ui/functions_Store.h"

#include "core/ErrorReport.h"
#include "core/ui/Dialogs.h"

namespace {

constexpr long kTypeMismatch = 13;

void reportCritical(long number, const QString& description) {
    Dialogs::Message(CriticalErrorText(QStringLiteral("Functions_Module_01"), number, description),
                     Dialogs::Icon::Critical);
}

} // namespace

namespace functions_Store {

QString ReplaceList(const QString& text, const QString& replacement, const QVariantList& list) {
    QString result = text;
    for (const QVariant& element : list) {
        if (!element.canConvert<QString>() || element.typeId() == QMetaType::QVariantList) {
            reportCritical(kTypeMismatch, QStringLiteral("Type mismatch"));
            return {};
        }
        const QString piece = element.toString();
        if (!piece.isEmpty())
            result.replace(piece, replacement, Qt::CaseSensitive);
    }
    return result;
}

} // namespace functions_Store
