#include "core/ErrorReport.h"

#include "core/ProductInfo.h"

Q_LOGGING_CATEGORY(lcErrors, "staymark.errors")

QString ErrMsg;
QString LastSQL;

namespace {

struct CaughtFailure {
    QString description;
    bool alreadyShown = false;
    bool known = true;
};

// What the failure being handled now is; only valid inside a catch block.
CaughtFailure caughtFailure() {
    try {
        throw;
    } catch (const DatabaseFailureShown& error) {
        return {error.Description(), true};
    } catch (const std::exception& error) {
        return {DescriptionOf(error)};
    } catch (...) {
        return {QStringLiteral("unknown failure"), false, false};
    }
}

void logSwallowed(const QString& what, const CaughtFailure& failure) {
    qCWarning(lcErrors).noquote()
        << QStringLiteral("%1: %2; LastSQL: %3").arg(what, failure.description, LastSQL);
}

QString fileName(const char* path) {
    const QString whole = QString::fromUtf8(path);
    return whole.mid(whole.lastIndexOf(QLatin1Char('/')) + 1);
}

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

void ReportHandlerFailure(const QString& code) {
    const CaughtFailure failure = caughtFailure();
    logSwallowed(QStringLiteral("Handler ") + code + QStringLiteral(" stopped"), failure);
    // Already shown: the database locate tool, or the message that another desk holds it.
    if (failure.alreadyShown)
        return;
    ReportError(code, failure.known ? failure.description : QStringLiteral("Unknown error"));
}

void LogIgnoredFailure(const std::source_location& where) {
    logSwallowed(
        QStringLiteral("Ignored at %1:%2").arg(fileName(where.file_name())).arg(where.line()),
        caughtFailure());
}
