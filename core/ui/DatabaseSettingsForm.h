#pragma once

#include "core/DatabaseSettings.h"

#include <QList>
#include <QString>

class FormBalloon;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The boxes of the database settings, as the database settings page and the database locate
// tool show them: the choice of the server, the file's path with its Browse button and its
// password, and the server's host, database name, user name and password. The form builds the
// controls, loads them, shows which are in use, checks them and hands over their values; each
// window lays them out and does the rest itself.
class DatabaseSettingsForm final {
    Q_DISABLE_COPY_MOVE(DatabaseSettingsForm)

public:
    // What tells the two windows' forms apart. The other boxes are named alike in both:
    // txtDBpass, txtSQLHost, txtSQLDBName, txtSQLUserName and txtSQLPassWord.
    struct Names {
        // The check box that chooses the server: its object name and caption.
        QString serverChoice;
        QString serverChoiceCaption;
        // The path box: its object name and caption, and whether the user may type into it
        // (false: only Browse fills it).
        QString path;
        QString pathCaption;
        bool pathTyped = true;
        // The Browse button's object name.
        QString browse;
        // The file password's caption; empty where the window explains the box itself.
        QString passwordCaption;
        bool serverPasswordMasked = false;
        // The file's path and every box of the server must be filled before a save.
        bool emptyBoxesRefused = false;
    };

    // The controls are children of `parent`; rejected boxes get `balloon`, which typing into
    // any of the boxes takes away.
    DatabaseSettingsForm(QWidget* parent, FormBalloon& balloon, const Names& names);
    ~DatabaseSettingsForm();

    QCheckBox* ServerChoice = nullptr;
    QLineEdit* Path = nullptr;
    QPushButton* Browse = nullptr;
    QLineEdit* Password = nullptr;
    QLineEdit* Host = nullptr;
    QLineEdit* DatabaseName = nullptr;
    QLineEdit* UserName = nullptr;
    QLineEdit* ServerPassword = nullptr;

    // The label that names the box, for the window to place; null for a box without one.
    QLabel* CaptionOf(const QLineEdit* box) const;

    // Ticks the server choice as the values say, shows the boxes of that choice in use and
    // puts every value into its box.
    void Load(const DatabaseSettings::Values& values);
    // The server's boxes, or the file's, are enabled and white; the others disabled in the
    // colour of a button. Every box keeps its text.
    void ShowServerInUse(bool server);
    // The open-file dialog "Locate Database": the chosen file goes into the path box; a
    // cancelled dialog changes nothing.
    void ChooseFile();

    // Checks the boxes of the choice ticked, in their order (the path, then the password; the
    // host, the database name, the password, then the user name): the first that holds more
    // than one line, or is empty where empty boxes are refused, gets the balloon. That box, or
    // null when every box passes.
    QLineEdit* RejectedBox();
    // What the boxes hold, as a save stores them.
    DatabaseSettings::Values Values() const;

private:
    struct Check;
    QList<Check> checksOfTheChoice() const;
    QLineEdit* newBox(QWidget* parent, const QString& name, const QString& caption, int maxLength);

    FormBalloon& balloon_;
    bool emptyBoxesRefused_;
    QList<QLabel*> captions_;
};
