#include "core/SqliteLike.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>

namespace {

using Points = QList<uint>;

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// The letters without their accents and in one case, one code point each.
Points folded(const QString& text) {
    // Most names are plain ASCII: they need no decomposition.
    if (isAscii(text)) {
        Points points(text.size());
        std::transform(text.begin(), text.end(), points.begin(),
                       [](QChar c) { return uint(c.toLower().unicode()); });
        return points;
    }
    QString base;
    for (const uint c : text.normalized(QString::NormalizationForm_D).toUcs4())
        if (QChar::category(char32_t(c)) != QChar::Mark_NonSpacing) {
            const char32_t point = c;
            base.append(QString::fromUcs4(&point, 1));
        }
    return base.toCaseFolded().toUcs4();
}

bool matchFrom(const Points& pattern, qsizetype p, const Points& text, qsizetype t, char32_t escape,
               bool hasEscape) {
    while (p < pattern.size()) {
        const uint c = pattern[p];
        if (hasEscape && c == escape && p + 1 < pattern.size()) {
            if (t >= text.size() || text[t] != pattern[p + 1])
                return false;
            p += 2;
            ++t;
        } else if (c == U'%') {
            while (p < pattern.size() && pattern[p] == U'%')
                ++p;
            if (p == pattern.size())
                return true;
            for (qsizetype from = t; from <= text.size(); ++from)
                if (matchFrom(pattern, p, text, from, escape, hasEscape))
                    return true;
            return false;
        } else {
            if (t >= text.size() || (c != U'_' && text[t] != c))
                return false;
            ++p;
            ++t;
        }
    }
    return t == text.size();
}

bool matchesFolded(const Points& pattern, const QString& text, QChar escape) {
    const Points foldedEscape = folded(QString(escape));
    const bool hasEscape = !escape.isNull() && foldedEscape.size() == 1;
    return matchFrom(pattern, 0, folded(text), 0, hasEscape ? foldedEscape.first() : 0, hasEscape);
}

QString textArgument(sqlite3_value* value) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return bytes ? QString::fromUtf8(bytes, sqlite3_value_bytes(value)) : QString();
}

// like(pattern, text[, escape]), the function SQLite calls for "text LIKE pattern".
void like(sqlite3_context* context, int count, sqlite3_value** values) {
    for (int i = 0; i < count; ++i)
        if (sqlite3_value_type(values[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    QChar escape;
    if (count == 3) {
        const QString given = textArgument(values[2]);
        if (given.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = given.at(0);
    }
    // The pattern is the same for every row of the statement: it is folded once.
    auto* pattern = static_cast<Points*>(sqlite3_get_auxdata(context, 0));
    if (!pattern) {
        pattern = new Points(folded(textArgument(values[0])));
        sqlite3_set_auxdata(context, 0, pattern,
                            [](void* points) { delete static_cast<Points*>(points); });
        pattern = static_cast<Points*>(sqlite3_get_auxdata(context, 0));
        if (!pattern) {
            sqlite3_result_error_nomem(context);
            return;
        }
    }
    sqlite3_result_int(context, matchesFolded(*pattern, textArgument(values[1]), escape) ? 1 : 0);
}

} // namespace

namespace SqliteLike {

bool Matches(const QString& pattern, const QString& text, QChar escape) {
    return matchesFolded(folded(pattern), text, escape);
}

bool Install(QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    auto* connection = *static_cast<sqlite3* const*>(handle.data());
    if (!connection)
        return false;
    constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_function(connection, "like", 2, kFlags, nullptr, like, nullptr,
                                   nullptr) == SQLITE_OK &&
           sqlite3_create_function(connection, "like", 3, kFlags, nullptr, like, nullptr,
                                   nullptr) == SQLITE_OK;
}

} // namespace SqliteLike
