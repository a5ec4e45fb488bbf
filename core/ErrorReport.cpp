#include "core/ErrorReport.h"

#include "core/ProductInfo.h"

QString ErrMsg;
QString LastSQL;

namespace {
void (*showErrorReport)() = nullptr;
} // namespace

void InstallErrorReportWindow(void (*showReport)()) {
    showErrorReport = showReport;
}

QString ErrorText(const QString& code, const QString& description) {
    return QStringLiteral("Error Code : ") + code + kLineBreak + description;
}

QString CriticalErrorText(const QString& place, long number, const QString& description) {
    return place + kLineBreak + QStringLiteral("Error : ") + QString::number(number) + kLineBreak +
           description + kLineBreak + QStringLiteral(" Critical error, please report to : ") +
           ProductInfo::SupportAddress();
}

void ReportError(const QString& code, const QString& description) {
    ErrMsg = ErrorText(code, description);
    if (showErrorReport)
        showErrorReport();
}

QString DescriptionOf(const std::exception& error) {
    if (const auto* own = dynamic_cast<const StaymarkError*>(&error))
        return own->Description();
    return QString::fromUtf8(error.what());
}
