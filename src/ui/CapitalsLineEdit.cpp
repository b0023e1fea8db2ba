#include "ui/CapitalsLineEdit.h"

#include <QValidator>

namespace {

// Typed input passes through the validator, which may rewrite it; setText() does not.
class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override {
        const QString capitals = input.toUpper();
        if (capitals.size() != input.size())
            position = int(capitals.size()) - (int(input.size()) - position);
        input = capitals;
        return Acceptable;
    }
};

} // namespace

CapitalsLineEdit::CapitalsLineEdit(QWidget *parent) : QLineEdit(parent) {
    setValidator(new CapitalsValidator(this));
}
