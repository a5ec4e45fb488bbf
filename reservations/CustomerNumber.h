#pragma once

#include <QString>

#include <functional>

// The customer number of a booking: the initials as typed (whole characters), then six capital
// letters.
namespace CustomerNumber {

// Six random letters from "A" to "Y", from a generator seeded once per run.
QString RandomLetters();
// A number no booking, removed booking or food order holds yet: drawn again on a clash.
// Throws StaymarkError when a name has nothing left once its apostrophes are removed.
QString NewNumber(const QString& firstName, const QString& lastName,
                  const std::function<QString()>& letters = RandomLetters);

} // namespace CustomerNumber
