#pragma once

#include <QString>
#include <QVariantList>

namespace functions_Store {

// Replaces every occurrence of each listed text, in list order, each on the result of the one
// before. A list element that is not text is answered with a critical message and "".
QString ReplaceList(const QString& text, const QString& replacement, const QVariantList& list);

} // namespace functions_Store
