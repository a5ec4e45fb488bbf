#pragma once

#include <QString>

#include <exception>

// A failure that a handler reports under its own error code. The description is what the
// error report window shows after the code.
class StaymarkError : public std::exception {
public:
    explicit StaymarkError(QString description, long number = 0)
        : description_(std::move(description))
        , number_(number)
        , utf8_(description_.toUtf8()) {}

    const QString& Description() const { return description_; }
    long Number() const { return number_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString description_;
    long number_;
    QByteArray utf8_;
};

// A query or statement that the database did not run.
class DatabaseError : public StaymarkError {
public:
    using StaymarkError::StaymarkError;
};

// A failure the user has already been told of: the handler that meets it ends without a report
// of its own.
class DatabaseFailureShown : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// The database could not be reached, and the database locate tool has told the user why.
class DatabaseUnreachable final : public DatabaseFailureShown {
public:
    using DatabaseFailureShown::DatabaseFailureShown;
};

// A query waited in vain for another front desk's lock, and the user has been told that another
// desk is using the record.
class RecordHeldElsewhere final : public DatabaseFailureShown {
public:
    using DatabaseFailureShown::DatabaseFailureShown;
};
