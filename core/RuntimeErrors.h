#pragma once

#include "core/Errors.h"

// The runtime errors the windows raise, each with its number and its text, so that the error
// report shows one wording for one fault wherever it happens.
namespace RuntimeError {

StaymarkError InvalidCall();          // 5 "Invalid procedure call or argument"
StaymarkError Overflow();             // 6 "Overflow"
StaymarkError TypeMismatch();         // 13 "Type mismatch"
StaymarkError PathFileAccess();       // 75 "Path/File access error"
StaymarkError ObjectNotSet();         // 91 "Object variable or With block variable not set"
StaymarkError InvalidPropertyValue(); // 380 "Invalid property value"
StaymarkError IndexOutOfBounds();     // 35600 "Index out of bounds"
StaymarkError ElementNotFound();      // 35601 "Element not found"

} // namespace RuntimeError
