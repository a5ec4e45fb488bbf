#include "core/NewPasswordBox.h"

#include "core/ui/CBalloonToolTip.h"
#include "core/ui/FormControls.h"
#include "core/ui/PasswordEcho.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

// The box's own limit counts UTF-16 units and would cut a long paste to a password the user
// never typed; the validator alone decides, so it is kept as high as a line edit goes.
constexpr int kUncutLength = 32767;

QString longestPasswordText() {
    return QStringLiteral("A password may hold at most %1 plain letters, digits and signs: %2 "
                          "accented letters such as \u00fc, or %3 emoji. The password was left as "
                          "it was.")
        .arg(kLongestPasswordBytes)
        .arg(kLongestPasswordBytes / 2)
        .arg(kLongestPasswordBytes / 4);
}

// Refuses an edit that would make the password longer than the column can hold enciphered, or
// give it a character no key types into a password box (a line break or a tab, as pasted with
// the end of a line): the user could never type that password again.
class StorablePassword final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        untypable_ = std::any_of(input.cbegin(), input.cend(),
                                 [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
        return !untypable_ && input.toUtf8().size() <= kLongestPasswordBytes ? Acceptable : Invalid;
    }

    // The balloon says why the last edit was refused.
    void ShowRefusal(FormBalloon& balloon, QLineEdit* box) const {
        if (untypable_)
            ShowValidationBalloon(balloon.Tip(), box, QStringLiteral("Password Not Taken"),
                                  QStringLiteral("A password cannot hold a line break or a tab: "
                                                 "copy it without the end of its line. The "
                                                 "password was left as it was."));
        else
            ShowValidationBalloon(balloon.Tip(), box, QStringLiteral("Password Too Long"),
                                  longestPasswordText());
    }

private:
    mutable bool untypable_ = false;
};

} // namespace

QLineEdit* NewPasswordBox(QWidget* parent, const QString& name, FormBalloon& balloon,
                          const QString& toolTip) {
    QLineEdit* box = NewTextBox(parent, name, toolTip);
    HoldStorablePassword(box, balloon);
    MaskWithAsterisks(box);
    return box;
}

void HoldStorablePassword(QLineEdit* box, FormBalloon& balloon) {
    box->setMaxLength(kUncutLength);
    auto* validator = new StorablePassword(box);
    box->setValidator(validator);
    QObject::connect(box, &QLineEdit::inputRejected, box,
                     [box, validator, &balloon] { validator->ShowRefusal(balloon, box); });
}
