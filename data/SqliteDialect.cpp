#include "data/SqliteDialect.h"
#include "data/StoredDateTime.h"

#include <QRegularExpression>
#include <QDate>

#include <vector>

namespace {

enum class Kind { Space, String, Word, Name, Number, Op, Raw };

// Token texts view the statement being translated; new texts live in storage.
struct Node
{
    Kind kind = Kind::Raw;
    QStringView text;
    bool group = false;
    std::vector<Node> children;
    QString upper; // words only, for keyword tests
    QString storage;
};

using Nodes = std::vector<Node>;

bool isWordChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '@' || u == '#' || u >= 0x80;
}

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || (u >= 0x80 && c.isSpace());
}

// Flat token list; parentheses are kept as Op tokens for the tree builder.
std::vector<Node> tokenize(const QString &sql)
{
    std::vector<Node> out;
    const int n = int(sql.size());
    out.reserve(n / 3);
    int i = 0;
    auto push = [&](Kind k, int from, int to) {
        out.push_back({k, QStringView(sql).mid(from, to - from), false, {}, {}, {}});
        if (k == Kind::Word)
            out.back().upper = out.back().text.toString().toUpper();
    };
    while (i < n) {
        const QChar c = sql.at(i);
        int j = i + 1;
        if (isBlank(c)) {
            while (j < n && isBlank(sql.at(j))) ++j;
            push(Kind::Space, i, j);
        } else if (c == QLatin1Char('\'')) {
            while (j < n) {
                if (sql.at(j) == QLatin1Char('\'')) {
                    if (j + 1 < n && sql.at(j + 1) == QLatin1Char('\'')) { j += 2; continue; }
                    ++j;
                    break;
                }
                ++j;
            }
            push(Kind::String, i, j);
        } else if (c == QLatin1Char('[') || c == QLatin1Char('"')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('"');
            while (j < n && sql.at(j) != close) ++j;
            push(Kind::Name, i, qMin(j + 1, n));
            j = qMin(j + 1, n);
        } else if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            while (j < n && sql.at(j) != QLatin1Char('\n')) ++j;
            push(Kind::Space, i, j);
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && sql.at(i + 1).isDigit())) {
            while (j < n && (sql.at(j).isDigit() || sql.at(j) == QLatin1Char('.'))) ++j;
            push(Kind::Number, i, j);
        } else if (isWordChar(c)) {
            while (j < n && isWordChar(sql.at(j))) ++j;
            push(Kind::Word, i, j);
        } else {
            const QChar d = j < n ? sql.at(j) : QChar();
            const bool twoChar = (d == QLatin1Char('=') && QStringView(u"<>!").contains(c))
                || (c == QLatin1Char('<') && d == QLatin1Char('>')) || (c == QLatin1Char('|') && d == QLatin1Char('|'));
            if (twoChar)
                ++j;
            push(Kind::Op, i, j);
        }
        i = j;
    }
    return out;
}

Nodes buildTree(std::vector<Node> &tokens, size_t &pos, bool nested)
{
    Nodes level;
    while (pos < tokens.size()) {
        Node &t = tokens[pos++];
        if (t.kind == Kind::Op && t.text == QLatin1String("(")) {
            Node g;
            g.group = true;
            g.children = buildTree(tokens, pos, true);
            level.push_back(std::move(g));
        } else if (t.kind == Kind::Op && t.text == QLatin1String(")") && nested) {
            return level;
        } else {
            level.push_back(std::move(t));
        }
    }
    return level;
}

void renderInto(QString &out, const Nodes &nodes)
{
    for (const Node &n : nodes) {
        if (!n.group) {
            out += n.text;
            continue;
        }
        out += QLatin1Char('(');
        renderInto(out, n.children);
        out += QLatin1Char(')');
    }
}

QString render(const Nodes &nodes)
{
    QString out;
    renderInto(out, nodes);
    return out;
}

bool isWord(const Node &n, const char *word) { return !n.group && n.kind == Kind::Word && n.upper == QLatin1String(word); }
bool isOp(const Node &n, const char *op) { return !n.group && n.kind == Kind::Op && n.text == QLatin1String(op); }
bool isSpace(const Node &n) { return !n.group && n.kind == Kind::Space; }
Node raw(const QString &text)
{
    Node n{Kind::Raw, {}, false, {}, {}, text};
    n.text = n.storage;
    return n;
}
Node group(Nodes children) { return {Kind::Raw, {}, true, std::move(children), {}, {}}; }

// Index of the next node that is not white space, or nodes.size().
size_t nextSignificant(const Nodes &nodes, size_t from)
{
    while (from < nodes.size() && isSpace(nodes[from])) ++from;
    return from;
}

bool isFunctionCall(const Nodes &nodes, size_t i) { return i + 1 < nodes.size() && nodes[i].kind == Kind::Word && !nodes[i].group && nodes[i + 1].group; }

const QSet<QString> &boundaryWords()
{
    static const QSet<QString> words = {
        QStringLiteral("SELECT"), QStringLiteral("FROM"), QStringLiteral("WHERE"), QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("NOT"),
        QStringLiteral("AS"), QStringLiteral("ON"), QStringLiteral("JOIN"), QStringLiteral("INNER"), QStringLiteral("OUTER"), QStringLiteral("LEFT"),
        QStringLiteral("RIGHT"), QStringLiteral("FULL"), QStringLiteral("CROSS"), QStringLiteral("WHEN"), QStringLiteral("THEN"), QStringLiteral("ELSE"),
        QStringLiteral("END"), QStringLiteral("CASE"), QStringLiteral("ORDER"), QStringLiteral("GROUP"), QStringLiteral("BY"), QStringLiteral("HAVING"),
        QStringLiteral("LIKE"), QStringLiteral("IN"), QStringLiteral("IS"), QStringLiteral("BETWEEN"), QStringLiteral("UNION"), QStringLiteral("ALL"),
        QStringLiteral("SET"), QStringLiteral("VALUES"), QStringLiteral("DISTINCT"), QStringLiteral("TOP"), QStringLiteral("ASC"), QStringLiteral("DESC"),
        QStringLiteral("INTO"), QStringLiteral("UPDATE"), QStringLiteral("INSERT"), QStringLiteral("DELETE"), QStringLiteral("EXISTS"), QStringLiteral("LIMIT")};
    return words;
}

bool isBoundary(const Nodes &nodes, size_t i)
{
    const Node &n = nodes[i];
    if (n.group)
        return false;
    if (n.kind == Kind::Op)
        return n.text != QLatin1String("*") && n.text != QLatin1String("/") && n.text != QLatin1String("%") && n.text != QLatin1String(".");
    if (n.kind == Kind::Word && boundaryWords().contains(n.upper))
        return !isFunctionCall(nodes, i); // LEFT( and RIGHT( are functions, LEFT JOIN is not
    return false;
}

const QSet<QString> &textFunctions()
{
    static const QSet<QString> names = {
        QStringLiteral("GETFINALQTY"), QStringLiteral("GETFINALQTYROUNDUP"), QStringLiteral("FORMAT"), QStringLiteral("SUBSTRING"),
        QStringLiteral("SUBSTR"), QStringLiteral("UPPER"), QStringLiteral("LOWER"), QStringLiteral("LTRIM"), QStringLiteral("RTRIM"),
        QStringLiteral("TRIM"), QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("REPLACE"), QStringLiteral("STR")};
    return names;
}

// The position of the type after a top-level AS inside a CAST group, or size() when none.
size_t castTypeIndex(const Nodes &inner)
{
    for (size_t i = 0; i < inner.size(); ++i)
        if (isWord(inner[i], "AS"))
            return nextSignificant(inner, i + 1);
    return inner.size();
}

bool isTextType(const Node &n)
{
    static const QSet<QString> types = {QStringLiteral("VARCHAR"), QStringLiteral("NVARCHAR"), QStringLiteral("CHAR"), QStringLiteral("NCHAR"), QStringLiteral("TEXT")};
    return !n.group && n.kind == Kind::Word && types.contains(n.upper);
}

class Translator
{
public:
    explicit Translator(const QSet<QString> &textColumns) : m_textColumns(textColumns) {}

    Nodes transform(Nodes level)
    {
        for (Node &n : level)
            if (n.group)
                n.children = transform(std::move(n.children));
        joinTextChains(level);
        return rewrite(std::move(level));
    }

private:
    const QSet<QString> &m_textColumns;

    bool isTextOperand(const Nodes &nodes, size_t from, size_t to) const
    {
        size_t i = nextSignificant(nodes, from);
        if (i >= to)
            return false;
        const Node &first = nodes[i];
        if (!first.group && first.kind == Kind::String)
            return true;
        if (isWord(first, "N") && i + 1 < to && nodes[i + 1].kind == Kind::String)
            return true;
        if (isWord(first, "DBO") && i + 2 < to && isOp(nodes[i + 1], "."))
            i += 2;
        const Node &head = nodes[i];
        if (first.group)
            return isTextExpression(first.children);
        if (isFunctionCall(nodes, i)) {
            const QString &name = head.upper;
            const Nodes &args = nodes[i + 1].children;
            if (name == QLatin1String("CAST")) {
                const size_t t = castTypeIndex(args);
                return t < args.size() && isTextType(args[t]);
            }
            if (name == QLatin1String("ISNULL") || name == QLatin1String("IFNULL") || name == QLatin1String("COALESCE"))
                return isTextExpression(args);
            return textFunctions().contains(name);
        }
        // A column, bare or qualified: its last name part decides.
        size_t last = i;
        while (last + 2 < to && isOp(nodes[last + 1], ".")) last += 2;
        if (nextSignificant(nodes, last + 1) < to)
            return false;
        QStringView name = nodes[last].text;
        if (nodes[last].kind == Kind::Name)
            name = name.mid(1, name.size() - 2);
        return m_textColumns.contains(name.toString().toLower());
    }

    // True when an expression (a group's content) yields text in its first operand or chain.
    bool isTextExpression(const Nodes &nodes) const
    {
        size_t start = 0;
        for (size_t i = 0; i <= nodes.size(); ++i) {
            if (i < nodes.size() && isOp(nodes[i], "||"))
                return true;
            if (i == nodes.size() || isBoundary(nodes, i)) {
                if (isTextOperand(nodes, start, i))
                    return true;
                if (i < nodes.size() && isOp(nodes[i], ","))
                    return false; // only the first argument of ISNULL decides
                start = i + 1;
            }
        }
        return false;
    }

    // Turns '+' into '||' in every chain of operands of which one is text.
    void joinTextChains(Nodes &level) const
    {
        std::vector<std::pair<size_t, size_t>> operands;
        std::vector<size_t> plusSigns;
        size_t start = 0;
        auto finish = [&](size_t end) {
            operands.emplace_back(start, end);
            if (!plusSigns.empty()) {
                bool text = false;
                for (auto [from, to] : operands)
                    text = text || isTextOperand(level, from, to);
                if (text)
                    for (size_t p : plusSigns) level[p].text = u"||";
            }
            operands.clear();
            plusSigns.clear();
        };
        for (size_t i = 0; i < level.size(); ++i) {
            if (isOp(level[i], "+")) {
                if (nextSignificant(level, start) == i) { // unary plus
                    start = i + 1;
                    continue;
                }
                operands.emplace_back(start, i);
                plusSigns.push_back(i);
                start = i + 1;
            } else if (isBoundary(level, i)) {
                finish(i);
                start = i + 1;
            }
        }
        finish(level.size());
    }

    Nodes rewrite(Nodes level) const
    {
        Nodes out;
        out.reserve(level.size());
        QString limit;
        for (size_t i = 0; i < level.size(); ++i) {
            Node &n = level[i];
            if (n.group || n.kind == Kind::Space) {
                out.push_back(std::move(n));
            } else if (n.kind == Kind::String) {
                const QString date = canonicalDateLiteral(n.text.toString());
                out.push_back(date.isEmpty() ? n : raw(date));
            } else if (isWord(n, "N") && i + 1 < level.size() && level[i + 1].kind == Kind::String && !level[i + 1].group) {
                continue; // N'…' is plain text to SQLite
            } else if (isWord(n, "DBO") && i + 2 < level.size() && isOp(level[i + 1], ".")) {
                ++i; // strip "dbo."
            } else if (isWord(n, "GETDATE") && i + 1 < level.size() && level[i + 1].group) {
                out.push_back(raw(QStringLiteral("datetime('now','localtime')")));
                ++i;
            } else if (isWord(n, "CURRENT_TIMESTAMP")) {
                out.push_back(raw(QStringLiteral("datetime('now','localtime')")));
            } else if (isFunctionCall(level, i) && rewriteCall(level, i, out)) {
                ++i;
            } else if (isWord(n, "TOP") && !out.empty() && !limit.size()) {
                const size_t v = nextSignificant(level, i + 1);
                if (v < level.size() && (level[v].kind == Kind::Number || level[v].group)) {
                    limit = level[v].group ? render(level[v].children) : level[v].text.toString();
                    i = v;
                    if (i + 1 < level.size() && isSpace(level[i + 1])) ++i;
                } else {
                    out.push_back(n);
                }
            } else {
                out.push_back(n);
            }
        }
        if (!limit.isEmpty()) {
            if (!out.empty() && !isSpace(out.back()))
                out.push_back(raw(QStringLiteral(" ")));
            out.push_back(raw(QStringLiteral("LIMIT ") + limit));
        }
        return out;
    }

    // Function calls that SQLite spells differently; true when one was written to out.
    bool rewriteCall(const Nodes &level, size_t i, Nodes &out) const
    {
        const QString &name = level[i].upper;
        const Nodes &args = level[i + 1].children;
        if (name == QLatin1String("ISNULL") || name == QLatin1String("LEN")) {
            out.push_back(raw(name == QLatin1String("LEN") ? QStringLiteral("LENGTH") : QStringLiteral("IFNULL")));
            out.push_back(level[i + 1]);
            return true;
        }
        static const QHash<QString, QString> parts = {{QStringLiteral("YEAR"), QStringLiteral("%Y")}, {QStringLiteral("MONTH"), QStringLiteral("%m")}, {QStringLiteral("DAY"), QStringLiteral("%d")}};
        if (parts.contains(name)) {
            out.push_back(raw(QStringLiteral("CAST")));
            out.push_back(group({raw(QStringLiteral("strftime('%1',").arg(parts.value(name))), group(args), raw(QStringLiteral(") AS INTEGER"))}));
            return true;
        }
        if (name != QLatin1String("CAST"))
            return false;
        const size_t t = castTypeIndex(args);
        if (t >= args.size())
            return false;
        size_t asWord = t;
        while (asWord > 0 && !isWord(args[asWord], "AS")) --asWord;
        Nodes expr(args.begin(), args.begin() + asWord);
        while (!expr.empty() && isSpace(expr.back()))
            expr.pop_back();
        const QString &type = args[t].upper;
        if (isTextType(args[t])) {
            expr.push_back(raw(QStringLiteral(" AS TEXT")));
            out.push_back(raw(QStringLiteral("CAST")));
            out.push_back(group(expr));
            return true;
        }
        if (type == QLatin1String("DECIMAL") || type == QLatin1String("NUMERIC")) {
            QString scale = QStringLiteral("0");
            if (t + 1 < args.size() && args[t + 1].group) {
                const QStringList ps = render(args[t + 1].children).split(QLatin1Char(','));
                if (ps.size() > 1)
                    scale = ps.at(1).trimmed();
            }
            expr.push_back(raw(QStringLiteral(" AS REAL")));
            out.push_back(raw(QStringLiteral("ROUND")));
            out.push_back(group({raw(QStringLiteral("CAST")), group(expr), raw(QStringLiteral(", ") + scale)}));
            return true;
        }
        return false;
    }
};

} // namespace

QString canonicalDateLiteral(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^'(\d{4})[/-](\d{1,2})[/-](\d{1,2})(?:[ T](\d{1,2}):(\d{2})(?::(\d{2}))?(?:\.\d+)?)?'$)"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return {};
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return {};
    return QLatin1Char('\'') + StoredDateTime::toText(QDateTime(date, time)) + QLatin1Char('\'');
}

void SqliteDialect::setTextColumns(QSet<QString> names)
{
    m_textColumns = std::move(names);
    m_cache.clear();
}

QString SqliteDialect::translate(const QString &sql)
{
    const auto hit = m_cache.constFind(sql);
    if (hit != m_cache.constEnd())
        return *hit;
    std::vector<Node> tokens = tokenize(sql);
    size_t pos = 0;
    Nodes tree = buildTree(tokens, pos, false);
    const QString result = render(Translator(m_textColumns).transform(std::move(tree)));
    if (m_cache.size() > 4096)
        m_cache.clear();
    m_cache.insert(sql, result);
    return result;
}
