#include "core/NewPasswordBox.h"

#include "core/ui/FormControls.h"
#include "core/ui/PasswordEcho.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

// Refuses an edit that would make the password longer than the column can hold enciphered.
class StorablePassword final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return input.toUtf8().size() <= kLongestPasswordBytes ? Acceptable : Invalid;
    }
};

} // namespace

QLineEdit* NewPasswordBox(QWidget* parent, const QString& name, const QString& toolTip) {
    QLineEdit* box = NewTextBox(parent, name, toolTip, kLongestPasswordBytes);
    HoldStorablePassword(box);
    MaskWithAsterisks(box);
    return box;
}

void HoldStorablePassword(QLineEdit* box) {
    box->setMaxLength(std::min(box->maxLength(), kLongestPasswordBytes));
    box->setValidator(new StorablePassword(box));
}
