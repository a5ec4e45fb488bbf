#include "core/SqliteLike.h"

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

using Points = QList<uint>;

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
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

// Plain ASCII text read as folded, letter by letter where it lies: an ASCII letter folds to
// its lower case, and nothing is converted or copied.
class AsciiText {
public:
    explicit AsciiText(QByteArrayView bytes)
        : bytes_(bytes) {}
    qsizetype size() const { return bytes_.size(); }
    uint operator[](qsizetype i) const {
        const auto c = uchar(bytes_[i]);
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    }

private:
    QByteArrayView bytes_;
};

// A pattern as one statement compares with it: folded once, with its folded escape character.
struct Pattern {
    explicit Pattern(const QString& text)
        : points(folded(text)) {}

    Points points;
    bool hasEscape = false;
    char32_t escape = 0;
    // The escape as the statement gave it, so that it is folded once too.
    bool escapeTaken = false;
    std::string escapeGiven;
};

// Takes the escape character; false when it is not one character.
bool takeEscape(Pattern& pattern, QByteArrayView given) {
    const std::string_view bytes(given.data(), std::size_t(given.size()));
    if (pattern.escapeTaken && pattern.escapeGiven == bytes)
        return true;
    const QString escape = QString::fromUtf8(given);
    if (escape.size() != 1)
        return false;
    const Points foldedEscape = folded(escape);
    pattern.hasEscape = foldedEscape.size() == 1;
    pattern.escape = pattern.hasEscape ? foldedEscape.first() : 0;
    pattern.escapeGiven = bytes;
    pattern.escapeTaken = true;
    return true;
}

template <typename Text>
bool matchFrom(const Pattern& pattern, qsizetype p, const Text& text, qsizetype t) {
    const Points& points = pattern.points;
    while (p < points.size()) {
        const uint c = points[p];
        if (pattern.hasEscape && c == pattern.escape && p + 1 < points.size()) {
            if (t >= text.size() || text[t] != points[p + 1])
                return false;
            p += 2;
            ++t;
        } else if (c == U'%') {
            while (p < points.size() && points[p] == U'%')
                ++p;
            if (p == points.size())
                return true;
            for (qsizetype from = t; from <= text.size(); ++from)
                if (matchFrom(pattern, p, text, from))
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

// Whether the text, in UTF-8, matches: ASCII text as it lies, any other folded first.
bool matchesText(const Pattern& pattern, QByteArrayView utf8) {
    if (isAscii(utf8))
        return matchFrom(pattern, 0, AsciiText(utf8), 0);
    return matchFrom(pattern, 0, folded(QString::fromUtf8(utf8)), 0);
}

QByteArrayView bytesOf(sqlite3_value* value) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return bytes ? QByteArrayView(bytes, sqlite3_value_bytes(value)) : QByteArrayView();
}

// The statement's pattern, folded at its first row and kept by SQLite while the pattern stays
// the same; null when there is no memory for it.
Pattern* statementPattern(sqlite3_context* context, sqlite3_value* given) {
    if (auto* kept = static_cast<Pattern*>(sqlite3_get_auxdata(context, 0)))
        return kept;
    auto* pattern = new Pattern(QString::fromUtf8(bytesOf(given)));
    sqlite3_set_auxdata(context, 0, pattern,
                        [](void* kept) { delete static_cast<Pattern*>(kept); });
    return static_cast<Pattern*>(sqlite3_get_auxdata(context, 0));
}

// like(pattern, text[, escape]), the function SQLite calls for "text LIKE pattern".
void like(sqlite3_context* context, int count, sqlite3_value** values) {
    for (int i = 0; i < count; ++i)
        if (sqlite3_value_type(values[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    Pattern* pattern = statementPattern(context, values[0]);
    if (!pattern) {
        sqlite3_result_error_nomem(context);
        return;
    }
    if (count == 3 && !takeEscape(*pattern, bytesOf(values[2]))) {
        sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        return;
    }
    sqlite3_result_int(context, matchesText(*pattern, bytesOf(values[1])) ? 1 : 0);
}

} // namespace

namespace SqliteLike {

bool Matches(const QString& pattern, const QString& text, QChar escape) {
    Pattern folding(pattern);
    if (!escape.isNull())
        takeEscape(folding, QString(escape).toUtf8());
    return matchesText(folding, text.toUtf8());
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
