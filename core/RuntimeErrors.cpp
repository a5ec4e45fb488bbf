#include "core/RuntimeErrors.h"

namespace RuntimeError {

StaymarkError InvalidCall() {
    return StaymarkError(QStringLiteral("Invalid procedure call or argument"), 5);
}

StaymarkError Overflow() {
    return StaymarkError(QStringLiteral("Overflow"), 6);
}

StaymarkError TypeMismatch() {
    return StaymarkError(QStringLiteral("Type mismatch"), 13);
}

StaymarkError PathFileAccess() {
    return StaymarkError(QStringLiteral("Path/File access error"), 75);
}

StaymarkError ObjectNotSet() {
    return StaymarkError(QStringLiteral("Object variable or With block variable not set"), 91);
}

StaymarkError InvalidPropertyValue() {
    return StaymarkError(QStringLiteral("Invalid property value"), 380);
}

StaymarkError IndexOutOfBounds() {
    return StaymarkError(QStringLiteral("Index out of bounds"), 35600);
}

StaymarkError ElementNotFound() {
    return StaymarkError(QStringLiteral("Element not found"), 35601);
}

} // namespace RuntimeError
