#pragma once
// The text form of a stored layout, parsed into a plain tree before anything
// is created: parsing never touches objects, so bad input is reported with
// its position and nothing has to be undone.

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

namespace toolkit {

/// Raised for malformed text and for text that does not fit the objects it
/// describes; the message starts with "line:column: ".
class ELayoutError : public std::runtime_error {
public:
    ELayoutError(int line, int column, const QString& message);
    int Line() const { return line_; }
    int Column() const { return column_; }

private:
    int line_;
    int column_;
};

/// A line and column in a stored layout, for error messages.
struct TLayoutPos {
    int Line = 0;
    int Column = 0;
};

struct TLayoutProperty;

/// One collection item: a list of properties between `item` and `end`.
struct TLayoutItem {
    TLayoutPos Pos;
    std::vector<TLayoutProperty> Properties;
};

/// A property value as written in a stored layout: integer, string, identifier, set, list, collection or
/// binary data.
struct TLayoutValue {
    enum class Kind { Integer, String, Identifier, Set, List, Collection, Binary };

    Kind Type = Kind::Integer;
    TLayoutPos Pos;
    qint64 Integer = 0;
    QString Text;                       // String and Identifier
    std::vector<TLayoutValue> Elements; // Set (identifiers) and List
    std::vector<TLayoutItem> Items;     // Collection
    QByteArray Data;                    // Binary
};

/// One property line of a stored layout: its (possibly dotted) name, position and value.
struct TLayoutProperty {
    QString Name; // may be dotted: "Font.Height"
    TLayoutPos Pos;
    TLayoutValue Value;
};

/// One object of a stored layout: name, class, properties and child objects.
struct TLayoutNode {
    QString Name;
    QString ClassName;
    TLayoutPos Pos;
    std::vector<TLayoutProperty> Properties;
    std::vector<TLayoutNode> Children;
};

// Limits far beyond any real layout, so that hostile input can exhaust
// neither the stack nor the memory nor the time; beyond them reading fails at
// the position where the limit is crossed. Deeper nesting (objects,
// collections, lists) than MaxLayoutDepth is refused.
constexpr int MaxLayoutDepth = 64;
constexpr qsizetype MaxLayoutLength = 16 * 1024 * 1024;     // characters of the whole text
constexpr qsizetype MaxLayoutStringLength = 64 * 1024;      // characters of one string value
constexpr qsizetype MaxLayoutListLength = 64 * 1024;        // elements of a list, a set or a collection
constexpr qsizetype MaxLayoutComponents = 200 * 1000;       // objects in one layout

// A value as the kind a property expects, or an ELayoutError at its position.
void ExpectKind(const TLayoutValue& value, TLayoutValue::Kind kind);
qint64 LayoutInteger(const TLayoutValue& value);
QString LayoutString(const TLayoutValue& value);
QString LayoutIdentifier(const TLayoutValue& value);
QByteArray LayoutBinary(const TLayoutValue& value);

// Values as the writer stores them.
TLayoutValue MakeValue(TLayoutValue::Kind kind);
TLayoutValue IdentifierValue(const QString& name);
TLayoutValue StringValue(const QString& text);
TLayoutValue IntegerValue(qint64 number);
TLayoutValue BinaryValue(const QByteArray& data);

/// The sink TStoredExtras::WriteExtraProperties and the picture values write
/// into; names are relative to the object (the writer adds "Font." and the like).
class TLayoutWriter {
public:
    TLayoutWriter(std::vector<TLayoutProperty>& out, QString prefix) : out_(out), prefix_(std::move(prefix))
    {
    }

    void Property(const QString& name, TLayoutValue value);
    void Integer(const QString& name, qint64 value);
    void String(const QString& name, const QString& value);
    void Identifier(const QString& name, const QString& value);
    void Binary(const QString& name, const QByteArray& value);

private:
    std::vector<TLayoutProperty>& out_;
    QString prefix_;
};

// Parses one `object ... end` with nothing but white space after it.
TLayoutNode ParseLayout(const QString& text);

} // namespace toolkit
