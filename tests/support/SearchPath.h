#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// While it lives, the program search path is one empty folder of its own: a computer on which no
// program is installed but those a test puts there, whatever this machine has.
class SearchPath {
public:
    // No browser is named either, which a desktop's opener would fall back on.
    SearchPath() {
        for (const char* name : kVariables)
            saved_.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        qputenv("PATH", QFile::encodeName(folder_.path()));
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");
    }
    ~SearchPath() {
        for (const Saved& variable : saved_) {
            if (variable.set)
                qputenv(variable.name, variable.value);
            else
                qunsetenv(variable.name);
        }
    }
    SearchPath(const SearchPath&) = delete;
    SearchPath& operator=(const SearchPath&) = delete;

    QString Folder() const { return folder_.path(); }

    // A program of that name that runs the shell commands given; false when it cannot be made.
    bool AddProgram(const QString& name, const QByteArray& commands) {
        QFile program(folder_.filePath(name));
        if (!program.open(QIODevice::WriteOnly) || program.write("#!/bin/sh\n" + commands) < 0)
            return false;
        program.close();
        return program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner);
    }

private:
    static constexpr const char* kVariables[] = {"PATH", "BROWSER", "DEFAULT_BROWSER"};
    struct Saved {
        const char* name;
        bool set;
        QByteArray value;
    };
    QList<Saved> saved_;
    QTemporaryDir folder_;
};
