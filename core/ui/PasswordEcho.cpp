#include "core/ui/PasswordEcho.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace {

class AsteriskStyle final : public QProxyStyle {
public:
    AsteriskStyle()
        : QProxyStyle(nullptr) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

void MaskWithAsterisks(QLineEdit* field) {
    auto* style = new AsteriskStyle();
    style->setParent(field);
    field->setStyle(style);
    field->setEchoMode(QLineEdit::Password);
}
