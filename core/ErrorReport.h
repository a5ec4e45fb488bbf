#pragma once

#include "core/Errors.h"

#include <QLoggingCategory>
#include <QString>

#include <source_location>
#include <type_traits>

// Failures that a handler or a step swallowed: what failed, and the statement that ran last.
Q_DECLARE_LOGGING_CATEGORY(lcErrors)

// The error text of the last failure, and the last statement sent to the database; the error
// report window shows both.
extern QString ErrMsg;
extern QString LastSQL;

// Line breaks inside the program's own texts are carriage return and line feed.
inline const QString kLineBreak = QStringLiteral("\r\n");

// "Error Code : " + code + line break + description.
QString ErrorText(const QString& code, const QString& description);

// The text of a critical error's message box: the place it happened, a line break, "Error : "
// and the number, a line break, the description, a line break and whom to tell.
QString CriticalErrorText(const QString& place, long number, const QString& description);

// Stores the error text and shows the error report window (loading it when not loaded).
void ReportError(const QString& code, const QString& description);
// The error report window lives with the windows: start-up gives its show routine here.
void InstallErrorReportWindow(void (*showReport)());

QString DescriptionOf(const std::exception& error);

// Called inside a handler's catch: logs the failure being handled and, unless the user has
// already been told of it, reports it under the handler's code.
void ReportHandlerFailure(const QString& code);

// Called inside the catch of a step that runs "with errors ignored": logs the failure being
// handled, naming the place of the step.
void LogIgnoredFailure(const std::source_location& where);

// Runs a handler's body under its error code: a failure is reported under that code and the
// handler returns its default value, so the caller goes on.
template <typename Body> auto Guarded(const QString& code, Body&& body) {
    using Result = std::invoke_result_t<Body>;
    try {
        return body();
    } catch (...) {
        ReportHandlerFailure(code);
    }
    if constexpr (!std::is_void_v<Result>)
        return Result{};
}

// For the steps that run "with errors ignored": a failure skips the step, and is only logged.
template <typename Body>
void IgnoreErrors(Body&& body,
                  const std::source_location& where = std::source_location::current()) {
    try {
        body();
    } catch (...) {
        LogIgnoredFailure(where);
    }
}
