#include "core/SqlDialect.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

namespace {

enum class TokenKind { Space, Text, Bracketed, DateLiteral, Word, Other };

struct Token {
    TokenKind kind;
    QStringView text; // into the statement being translated
};

// ASCII first: statements are nearly all ASCII, and the Unicode tables are slow to ask.
bool isBlank(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || (u > 127 && c.isSpace());
}
bool isWordStart(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'_' ||
           (u > 127 && c.isLetter());
}
bool isWordChar(QChar c) {
    const char16_t u = c.unicode();
    return isWordStart(c) || (u >= u'0' && u <= u'9') || (u > 127 && c.isLetterOrNumber());
}

// Index just past a run that ends with `close`, honouring doubled closers inside quotes.
qsizetype endOfQuoted(const QString& sql, qsizetype start, QChar close) {
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql.at(i) == close) {
            if (i + 1 < sql.size() && sql.at(i + 1) == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

qsizetype endOfRun(const QString& sql, qsizetype start, bool (*belongs)(QChar)) {
    qsizetype i = start;
    while (i < sql.size() && belongs(sql.at(i)))
        ++i;
    return i;
}

QList<Token> tokenize(const QString& sql) {
    QList<Token> tokens;
    tokens.reserve(sql.size() / 3 + 8);
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        TokenKind kind = TokenKind::Other;
        qsizetype end = i + 1;
        if (isBlank(c)) {
            kind = TokenKind::Space;
            end = endOfRun(sql, i, isBlank);
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            kind = TokenKind::Text;
            end = endOfQuoted(sql, i, c);
        } else if (c == QLatin1Char('[')) {
            kind = TokenKind::Bracketed;
            const qsizetype close = sql.indexOf(QLatin1Char(']'), i);
            end = close < 0 ? sql.size() : close + 1;
        } else if (c == QLatin1Char('#')) {
            const qsizetype close = sql.indexOf(QLatin1Char('#'), i + 1);
            if (close > 0) {
                kind = TokenKind::DateLiteral;
                end = close + 1;
            }
        } else if (isWordChar(c)) {
            kind = TokenKind::Word;
            end = endOfRun(sql, i, isWordChar);
        }
        tokens.append({kind, QStringView(sql).mid(i, end - i)});
        i = end;
    }
    return tokens;
}

// Access writes dates month first; ISO dates are accepted as well.
QString dateLiteral(QStringView inner) {
    const QString text = inner.toString().simplified();
    // The literal routine's own form first: it is what nearly every statement holds.
    if (const QDate iso = QDate::fromString(text, Qt::ISODate); iso.isValid())
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    static const QStringList dateFormats{QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyy-M-d"),
                                         QStringLiteral("M/d/yyyy"), QStringLiteral("M/d/yy")};
    static const QStringList timeFormats{QStringLiteral("H:mm:ss"), QStringLiteral("H:mm"),
                                         QStringLiteral("h:mm:ss AP"), QStringLiteral("h:mm AP")};
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QString datePart = blank < 0 ? text : text.left(blank);
    const QString timePart = blank < 0 ? QString() : text.mid(blank + 1);
    QDate date;
    for (const QString& format : dateFormats) {
        date = QDate::fromString(datePart, format);
        if (date.isValid())
            break;
    }
    if (!date.isValid())
        return {};
    if (date.year() < 1930 && datePart.count(QLatin1Char('/')) == 2 &&
        datePart.section(QLatin1Char('/'), 2).size() == 2)
        date = date.addYears(100);
    QString iso = date.toString(Qt::ISODate);
    if (!timePart.isEmpty()) {
        QTime time;
        for (const QString& format : timeFormats) {
            time = QTime::fromString(timePart, format);
            if (time.isValid())
                break;
        }
        if (!time.isValid())
            return {};
        iso += QLatin1Char(' ') + time.toString(QStringLiteral("HH:mm:ss"));
    }
    return QLatin1Char('\'') + iso + QLatin1Char('\'');
}

// A double-quoted Access text becomes the single-quoted text both back ends read alike.
QString singleQuoted(QStringView literal) {
    if (literal.startsWith(QLatin1Char('\'')))
        return literal.toString();
    QString inner = literal.mid(1, literal.size() - 2).toString();
    inner.replace(QStringLiteral("\"\""), QStringLiteral("\""))
        .replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

// Table names as created, so statements keep working where the server compares them
// case-sensitively.
QString canonicalTableName(QStringView name) {
    for (const QString& table : SqlDialect::BaseTables())
        if (name.size() == table.size() && name.compare(table, Qt::CaseInsensitive) == 0)
            return table;
    static const QStringList prefixes{QStringLiteral("tbl_FoodOrder_"), QStringLiteral("room_")};
    for (const QString& prefix : prefixes)
        if (name.size() > prefix.size() && name.startsWith(prefix, Qt::CaseInsensitive))
            return prefix + name.mid(prefix.size()).toString();
    return name.toString();
}

bool is(QStringView word, QLatin1String keyword) {
    return word.size() == keyword.size() && word.compare(keyword, Qt::CaseInsensitive) == 0;
}

// The Access words a statement's translation turns on.
enum class Keyword { None, Create, Table, AutoIncrement, Key, Memo, Money, TextType };

Keyword keywordOf(QStringView word) {
    static const std::pair<QLatin1String, Keyword> keywords[] = {
        {QLatin1String("CREATE"), Keyword::Create},
        {QLatin1String("TABLE"), Keyword::Table},
        {QLatin1String("AUTOINCREMENT"), Keyword::AutoIncrement},
        {QLatin1String("COUNTER"), Keyword::AutoIncrement},
        {QLatin1String("KEY"), Keyword::Key},
        {QLatin1String("MEMO"), Keyword::Memo},
        {QLatin1String("CURRENCY"), Keyword::Money},
        {QLatin1String("MONEY"), Keyword::Money},
        {QLatin1String("VARCHAR"), Keyword::TextType},
        {QLatin1String("TEXT"), Keyword::TextType},
    };
    for (const auto& [text, keyword] : keywords)
        if (is(word, text))
            return keyword;
    return Keyword::None;
}

class Translator {
public:
    Translator(const QString& sql, DbBackend backend)
        : tokens_(tokenize(sql))
        , backend_(backend) {
        out_.reserve(sql.size() + 32);
    }

    QString Run() {
        for (index_ = 0; index_ < tokens_.size(); ++index_)
            translate(tokens_.at(index_));
        return out_;
    }

private:
    bool sqlite() const { return backend_ == DbBackend::SQLite; }

    // The token after the current one, skipping blanks; empty when none follows.
    QStringView nextToken() const {
        for (qsizetype i = index_ + 1; i < tokens_.size(); ++i)
            if (tokens_.at(i).kind != TokenKind::Space)
                return tokens_.at(i).text;
        return {};
    }

    void translate(const Token& token) {
        switch (token.kind) {
        case TokenKind::Text:
            out_ += singleQuoted(token.text);
            return;
        case TokenKind::Bracketed:
            out_ += quotedIdentifier(token.text.mid(1, token.text.size() - 2));
            return;
        case TokenKind::DateLiteral: {
            const QString literal = dateLiteral(token.text.mid(1, token.text.size() - 2));
            out_ += literal.isEmpty() ? token.text.toString() : literal;
            return;
        }
        case TokenKind::Word:
            translateWord(token.text);
            return;
        case TokenKind::Other:
            translateOther(token.text);
            return;
        case TokenKind::Space:
            break;
        }
        out_ += token.text;
    }

    QString quotedIdentifier(QStringView name) const {
        if (sqlite())
            return QLatin1Char('"') +
                   name.toString().replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                   QLatin1Char('"');
        return QLatin1Char('`') +
               canonicalTableName(name).replace(QLatin1Char('`'), QStringLiteral("``")) +
               QLatin1Char('`');
    }

    void translateWord(QStringView word) {
        switch (keywordOf(word)) {
        case Keyword::Create:
            if (keywordOf(nextToken()) == Keyword::Table)
                creatingTable_ = true;
            break;
        case Keyword::AutoIncrement:
            if (!sqlite()) {
                out_ += QLatin1String("INT AUTO_INCREMENT");
                return;
            }
            autoIncrementPending_ = true;
            out_ += QLatin1String("INTEGER");
            return;
        case Keyword::Key:
            if (!autoIncrementPending_)
                break;
            autoIncrementPending_ = false;
            out_ += word;
            out_ += QLatin1String(" AUTOINCREMENT");
            return;
        case Keyword::Memo:
            out_ += QLatin1String(sqlite() ? "TEXT" : "LONGTEXT");
            out_ += textColumnSuffix();
            return;
        case Keyword::Money:
            out_ += QLatin1String("DECIMAL(19,4)");
            return;
        case Keyword::TextType:
            if (!creatingTable_)
                break;
            if (nextToken() != QLatin1String("(")) {
                out_ += word;
                out_ += textColumnSuffix();
                return;
            }
            textTypePending_ = true;
            break;
        case Keyword::Table:
        case Keyword::None:
            break;
        }
        if (sqlite())
            out_ += word;
        else
            out_ += canonicalTableName(word);
    }

    void translateOther(QStringView text) {
        if (text == QLatin1String(","))
            autoIncrementPending_ = false;
        out_ += text;
        if (textTypePending_ && text == QLatin1String(")")) {
            textTypePending_ = false;
            out_ += textColumnSuffix();
        }
    }

    // Text columns of the tables the program makes compare without regard to case, as the
    // Access file did, and hold any text whatever the server's default character set; on MySQL
    // in the base tables' collation, so that a room's bookings join with their customers.
    QLatin1String textColumnSuffix() const {
        return QLatin1String(sqlite() ? " COLLATE NOCASE"
                                      : " CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci");
    }

    QList<Token> tokens_;
    DbBackend backend_;
    qsizetype index_ = 0;
    QString out_;
    bool creatingTable_ = false;
    bool autoIncrementPending_ = false;
    bool textTypePending_ = false;
};

} // namespace

namespace SqlDialect {

QString Translate(const QString& accessSql, DbBackend backend) {
    return Translator(accessSql, backend).Run();
}

const QStringList& BaseTables() {
    static const QStringList tables{
        QStringLiteral("tbl_customers"),    QStringLiteral("tbl_customers_history"),
        QStringLiteral("tbl_revenueStats"), QStringLiteral("tbl_logTable"),
        QStringLiteral("tbl_Rooms"),        QStringLiteral("tbl_Tax"),
        QStringLiteral("tbl_users"),        QStringLiteral("tbl_foodCat"),
        QStringLiteral("tbl_FoodItem"),     QStringLiteral("tbl_HotelInfo"),
        QStringLiteral("tbl_FoodOrders")};
    return tables;
}

} // namespace SqlDialect
