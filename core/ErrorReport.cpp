#include "core/ErrorReport.h"

#include "core/frmErrorReport.h"

QString ErrMsg;
QString LastSQL;

QString ErrorText(const QString& code, const QString& description) {
    return QStringLiteral("Error Code : ") + code + kLineBreak + description;
}

void ReportError(const QString& code, const QString& description) {
    ErrMsg = ErrorText(code, description);
    frmErrorReport::ShowReport();
}

QString DescriptionOf(const std::exception& error) {
    if (const auto* own = dynamic_cast<const StaymarkError*>(&error))
        return own->Description();
    return QString::fromUtf8(error.what());
}
