#include "toolkit/layouttree.h"

#include <limits>

namespace toolkit {

namespace {

QString PositionedMessage(int line, int column, const QString& message)
{
    if (line <= 0) return message;
    return QStringLiteral("%1:%2: %3").arg(line).arg(column).arg(message);
}

bool IsIdentStart(QChar c)
{
    return c.isLetter() || c == u'_';
}
bool IsIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// Recursive descent over the characters; positions are 1-based.
class Parser {
public:
    explicit Parser(const QString& text) : text_(text) {}

    TLayoutNode Document()
    {
        if (text_.size() > MaxLayoutLength)
            FailAt({1, 1}, QStringLiteral("layout longer than %1 characters").arg(MaxLayoutLength));
        SkipSpace();
        TLayoutNode root = Object(0);
        SkipSpace();
        if (!AtEnd()) Fail("unexpected text after the end of the layout");
        return root;
    }

private:
    const QString& text_;
    qsizetype at_ = 0;
    int line_ = 1;
    int column_ = 1;
    qsizetype objects_ = 0;

    bool AtEnd() const { return at_ >= text_.size(); }
    QChar Peek() const { return AtEnd() ? QChar() : text_[at_]; }
    TLayoutPos Here() const { return {line_, column_}; }

    [[noreturn]] void Fail(const QString& message) const { FailAt(Here(), message); }
    [[noreturn]] static void FailAt(TLayoutPos pos, const QString& message)
    {
        throw ELayoutError(pos.Line, pos.Column, message);
    }

    void Advance()
    {
        if (text_[at_] == u'\n') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
        ++at_;
    }

    void SkipSpace()
    {
        while (!AtEnd() && Peek().isSpace())
            Advance();
    }

    bool Accept(QChar c)
    {
        SkipSpace();
        if (Peek() != c) return false;
        Advance();
        return true;
    }

    void Expect(QChar c, const QString& message)
    {
        if (!Accept(c)) Fail(message);
    }

    void CheckDepth(int depth) const
    {
        if (depth >= MaxLayoutDepth) Fail(QStringLiteral("nesting too deep"));
    }

    template <class Container> void CheckRoomFor(const Container& elements) const
    {
        if (qsizetype(elements.size()) >= MaxLayoutListLength)
            Fail(QStringLiteral("more than %1 elements").arg(MaxLayoutListLength));
    }

    // A name; with `dotted`, "Font.Height" is one name.
    QString Identifier(bool dotted)
    {
        SkipSpace();
        QString name;
        while (IsIdentStart(Peek())) {
            while (IsIdentChar(Peek())) {
                name += Peek();
                Advance();
            }
            if (!dotted || Peek() != u'.' || at_ + 1 >= text_.size() || !IsIdentStart(text_[at_ + 1])) break;
            name += u'.';
            Advance();
        }
        return name;
    }

    bool PeekKeyword(const QString& keyword)
    {
        SkipSpace();
        const qsizetype end = at_ + keyword.size();
        return end <= text_.size() &&
               QStringView(text_).mid(at_, keyword.size()).compare(keyword, Qt::CaseInsensitive) == 0 &&
               (end == text_.size() || !IsIdentChar(text_[end]));
    }

    void ExpectKeyword(const QString& keyword, const QString& message)
    {
        if (!PeekKeyword(keyword)) Fail(message);
        for (qsizetype i = 0; i < keyword.size(); ++i)
            Advance();
    }

    TLayoutNode Object(int depth)
    {
        CheckDepth(depth);
        if (++objects_ > MaxLayoutComponents)
            Fail(QStringLiteral("more than %1 objects").arg(MaxLayoutComponents));
        TLayoutNode node;
        node.Pos = Here();
        ExpectKeyword(QStringLiteral("object"), QStringLiteral("expected 'object'"));
        const TLayoutPos namePos = (SkipSpace(), Here());
        QString first = Identifier(false);
        if (first.isEmpty()) FailAt(namePos, QStringLiteral("expected object name"));
        if (Accept(u':')) {
            node.Name = first;
            SkipSpace();
            node.ClassName = Identifier(false);
            if (node.ClassName.isEmpty()) Fail(QStringLiteral("expected class name after ':'"));
        } else {
            node.ClassName = first; // an unnamed object
        }
        while (!PeekKeyword(QStringLiteral("object")) && !PeekKeyword(QStringLiteral("end")))
            node.Properties.push_back(Property(depth));
        while (PeekKeyword(QStringLiteral("object")))
            node.Children.push_back(Object(depth + 1));
        ExpectKeyword(QStringLiteral("end"), QStringLiteral("expected 'object' or 'end'"));
        return node;
    }

    TLayoutProperty Property(int depth)
    {
        TLayoutProperty property;
        SkipSpace();
        property.Pos = Here();
        if (AtEnd()) Fail(QStringLiteral("expected 'end'"));
        property.Name = Identifier(true);
        if (property.Name.isEmpty()) Fail(QStringLiteral("expected property name"));
        Expect(u'=', QStringLiteral("expected '=' after property name"));
        property.Value = Value(depth + 1);
        return property;
    }

    TLayoutValue Value(int depth)
    {
        CheckDepth(depth);
        SkipSpace();
        TLayoutValue value;
        value.Pos = Here();
        const QChar c = Peek();
        if (c.isDigit() || c == u'-' || c == u'+') {
            value.Type = TLayoutValue::Kind::Integer;
            value.Integer = Integer();
        } else if (c == u'\'' || c == u'#') {
            value.Type = TLayoutValue::Kind::String;
            value.Text = StringExpression();
        } else if (IsIdentStart(c) && !PeekKeyword(QStringLiteral("end")) &&
                   !PeekKeyword(QStringLiteral("object"))) {
            value.Type = TLayoutValue::Kind::Identifier;
            value.Text = Identifier(true);
        } else if (c == u'[') {
            value.Type = TLayoutValue::Kind::Set;
            value.Elements = Set();
        } else if (c == u'(') {
            value.Type = TLayoutValue::Kind::List;
            value.Elements = List(depth);
        } else if (c == u'<') {
            value.Type = TLayoutValue::Kind::Collection;
            value.Items = Collection(depth);
        } else if (c == u'{') {
            value.Type = TLayoutValue::Kind::Binary;
            value.Data = Binary();
        } else {
            Fail(QStringLiteral("expected a value"));
        }
        return value;
    }

    qint64 Integer()
    {
        const TLayoutPos start = Here();
        bool negative = false;
        if (Peek() == u'-' || Peek() == u'+') {
            negative = Peek() == u'-';
            Advance();
        }
        if (!Peek().isDigit()) Fail(QStringLiteral("expected a digit"));
        // Accumulate as a negative number so that the minimum fits too.
        qint64 value = 0;
        constexpr qint64 min = std::numeric_limits<qint64>::min();
        while (Peek().isDigit()) {
            const int digit = Peek().digitValue();
            if (value < (min + digit) / 10) FailAt(start, QStringLiteral("integer out of range"));
            value = value * 10 - digit;
            Advance();
        }
        if (IsIdentChar(Peek()) || Peek() == u'.') Fail(QStringLiteral("malformed number"));
        if (!negative) {
            if (value == min) FailAt(start, QStringLiteral("integer out of range"));
            value = -value;
        }
        return value;
    }

    // 'abc'#13'def' + 'ghi': quoted runs and character codes, joined by
    // adjacency or by '+' (which may continue on the next line).
    QString StringExpression()
    {
        const TLayoutPos start = Here();
        QString result;
        for (;;) {
            StringSegments(start, result);
            if (!Accept(u'+')) break;
            SkipSpace();
            if (Peek() != u'\'' && Peek() != u'#') Fail(QStringLiteral("expected a string after '+'"));
        }
        return result;
    }

    void StringSegments(TLayoutPos start, QString& result)
    {
        for (;;) {
            if (Peek() == u'\'')
                QuotedRun(result);
            else if (Peek() == u'#')
                CharCode(result);
            else
                return;
            if (result.size() > MaxLayoutStringLength)
                FailAt(start, QStringLiteral("string longer than %1 characters").arg(MaxLayoutStringLength));
        }
    }

    void QuotedRun(QString& result)
    {
        const TLayoutPos start = Here();
        Advance();
        for (;;) {
            if (AtEnd() || Peek() == u'\n' || Peek() == u'\r')
                FailAt(start, QStringLiteral("unterminated string"));
            if (Peek() == u'\'') {
                Advance();
                if (Peek() != u'\'') return;
            }
            result += Peek();
            Advance();
        }
    }

    void CharCode(QString& result)
    {
        const TLayoutPos start = Here();
        Advance();
        if (!Peek().isDigit()) Fail(QStringLiteral("expected a character code after '#'"));
        char32_t code = 0;
        while (Peek().isDigit()) {
            code = code * 10 + char32_t(Peek().digitValue());
            if (code > 0x10FFFF) FailAt(start, QStringLiteral("character code out of range"));
            Advance();
        }
        // Codes below 0x10000 are taken as one UTF-16 unit, so that a lone
        // surrogate written as #55357 reads back unchanged.
        if (code < 0x10000)
            result += QChar(char16_t(code));
        else
            result += QString::fromUcs4(&code, 1);
    }

    std::vector<TLayoutValue> Set()
    {
        Advance(); // '['
        std::vector<TLayoutValue> elements;
        if (Accept(u']')) return elements;
        do {
            SkipSpace();
            TLayoutValue element;
            element.Type = TLayoutValue::Kind::Identifier;
            element.Pos = Here();
            element.Text = Identifier(false);
            if (element.Text.isEmpty()) Fail(QStringLiteral("expected an identifier in set"));
            CheckRoomFor(elements);
            elements.push_back(element);
        } while (Accept(u','));
        Expect(u']', QStringLiteral("expected ',' or ']'"));
        return elements;
    }

    std::vector<TLayoutValue> List(int depth)
    {
        Advance(); // '('
        std::vector<TLayoutValue> elements;
        while (!Accept(u')')) {
            SkipSpace();
            if (AtEnd()) Fail(QStringLiteral("expected ')'"));
            CheckRoomFor(elements);
            elements.push_back(Value(depth + 1));
        }
        return elements;
    }

    std::vector<TLayoutItem> Collection(int depth)
    {
        Advance(); // '<'
        std::vector<TLayoutItem> items;
        while (!Accept(u'>')) {
            TLayoutItem item;
            SkipSpace();
            CheckRoomFor(items);
            item.Pos = Here();
            ExpectKeyword(QStringLiteral("item"), QStringLiteral("expected 'item' or '>'"));
            while (!PeekKeyword(QStringLiteral("end")))
                item.Properties.push_back(Property(depth));
            ExpectKeyword(QStringLiteral("end"), QStringLiteral("expected 'end'"));
            items.push_back(std::move(item));
        }
        return items;
    }

    // Hex digit pairs; white space (including line breaks) may fall anywhere.
    QByteArray Binary()
    {
        Advance(); // '{'
        QByteArray data;
        int high = -1;
        TLayoutPos highPos;
        for (;;) {
            SkipSpace();
            if (AtEnd()) Fail(QStringLiteral("expected '}'"));
            if (Peek() == u'}') break;
            const int digit = HexDigit(Peek());
            if (digit < 0) Fail(QStringLiteral("invalid hex digit"));
            if (high < 0) {
                high = digit;
                highPos = Here();
            } else {
                data.append(char(high << 4 | digit));
                high = -1;
            }
            Advance();
        }
        if (high >= 0) FailAt(highPos, QStringLiteral("odd number of hex digits"));
        Advance(); // '}'
        return data;
    }
};

} // namespace

ELayoutError::ELayoutError(int line, int column, const QString& message)
    : std::runtime_error(PositionedMessage(line, column, message).toStdString()), line_(line), column_(column)
{
}

TLayoutNode ParseLayout(const QString& text)
{
    return Parser(text).Document();
}

namespace {

const char* KindName(TLayoutValue::Kind kind)
{
    switch (kind) {
    case TLayoutValue::Kind::Integer:
        return "an integer";
    case TLayoutValue::Kind::String:
        return "a string";
    case TLayoutValue::Kind::Identifier:
        return "an identifier";
    case TLayoutValue::Kind::Set:
        return "a set";
    case TLayoutValue::Kind::List:
        return "a list";
    case TLayoutValue::Kind::Collection:
        return "a collection";
    case TLayoutValue::Kind::Binary:
        return "binary data";
    }
    return "a value";
}

} // namespace

void ExpectKind(const TLayoutValue& value, TLayoutValue::Kind kind)
{
    if (value.Type != kind)
        throw ELayoutError(value.Pos.Line, value.Pos.Column,
                          QStringLiteral("expected %1, found %2")
                              .arg(QLatin1String(KindName(kind)), QLatin1String(KindName(value.Type))));
}

qint64 LayoutInteger(const TLayoutValue& value)
{
    ExpectKind(value, TLayoutValue::Kind::Integer);
    return value.Integer;
}

QString LayoutString(const TLayoutValue& value)
{
    ExpectKind(value, TLayoutValue::Kind::String);
    return value.Text;
}

QString LayoutIdentifier(const TLayoutValue& value)
{
    ExpectKind(value, TLayoutValue::Kind::Identifier);
    return value.Text;
}

QByteArray LayoutBinary(const TLayoutValue& value)
{
    ExpectKind(value, TLayoutValue::Kind::Binary);
    return value.Data;
}

TLayoutValue MakeValue(TLayoutValue::Kind kind)
{
    TLayoutValue value;
    value.Type = kind;
    return value;
}

TLayoutValue IdentifierValue(const QString& name)
{
    TLayoutValue value = MakeValue(TLayoutValue::Kind::Identifier);
    value.Text = name;
    return value;
}

TLayoutValue StringValue(const QString& text)
{
    TLayoutValue value = MakeValue(TLayoutValue::Kind::String);
    value.Text = text;
    return value;
}

TLayoutValue IntegerValue(qint64 number)
{
    TLayoutValue value = MakeValue(TLayoutValue::Kind::Integer);
    value.Integer = number;
    return value;
}

TLayoutValue BinaryValue(const QByteArray& data)
{
    TLayoutValue value = MakeValue(TLayoutValue::Kind::Binary);
    value.Data = data;
    return value;
}

void TLayoutWriter::Property(const QString& name, TLayoutValue value)
{
    out_.push_back({prefix_ + name, {}, std::move(value)});
}

void TLayoutWriter::Integer(const QString& name, qint64 value)
{
    Property(name, IntegerValue(value));
}

void TLayoutWriter::String(const QString& name, const QString& value)
{
    Property(name, StringValue(value));
}

void TLayoutWriter::Identifier(const QString& name, const QString& value)
{
    Property(name, IdentifierValue(value));
}

void TLayoutWriter::Binary(const QString& name, const QByteArray& value)
{
    Property(name, BinaryValue(value));
}

} // namespace toolkit
