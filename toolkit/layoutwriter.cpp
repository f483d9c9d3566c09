#include "toolkit/layoutwriter.h"

#include "toolkit/control.h"
#include "toolkit/graphics.h"
#include "toolkit/layoutcolors.h"
#include "toolkit/layoutpicture.h"
#include "toolkit/layoutreader.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <algorithm>
#include <map>
#include <memory>

namespace toolkit {

namespace {

[[noreturn]] void Fail(const QString& message)
{
    throw ELayoutError(0, 0, message);
}

bool StoredNow(const QObject* object, const QMetaProperty& property)
{
    const auto* when = dynamic_cast<const TStoredWhen*>(object);
    return !when || when->StoresProperty(property.name());
}

bool IsQtClass(const QMetaObject* meta)
{
    const char* name = meta->className();
    return name[0] == 'Q' && name[1] >= 'A' && name[1] <= 'Z';
}

// A colour that follows the parent's (ParentColor) is not the control's own:
// stored, it would turn ParentColor off when read back.
bool FollowsParent(const QObject* object, const QMetaProperty& property)
{
    const QVariant follows = object->property("Parent" + QByteArray(property.name()));
    return follows.metaType() == QMetaType::fromType<bool>() && follows.toBool();
}

// Properties below this index belong to Qt's own classes.
int FirstOwnProperty(const QMetaObject* meta)
{
    for (const QMetaObject* m = meta; m; m = m->superClass())
        if (IsQtClass(m)) return m->propertyCount();
    return 0;
}

TLayoutValue EnumValue(const QMetaProperty& property, const QVariant& variant)
{
    const QMetaEnum enumerator = PropertyEnumerator(property);
    const int bits = variant.toInt();
    if (!property.isFlagType()) {
        const char* key = enumerator.valueToKey(bits);
        if (!key)
            Fail(QStringLiteral("property '%1' holds %2, which has no name").arg(property.name()).arg(bits));
        return IdentifierValue(QLatin1String(key));
    }
    TLayoutValue set = MakeValue(TLayoutValue::Kind::Set);
    int named = 0;
    for (int i = 0; i < enumerator.keyCount(); ++i) {
        const int flag = enumerator.value(i);
        if (flag != 0 && (bits & flag) == flag && (named & flag) != flag) {
            set.Elements.push_back(IdentifierValue(QLatin1String(enumerator.key(i))));
            named |= flag;
        }
    }
    if (named != bits) Fail(QStringLiteral("property '%1' holds flags without names").arg(property.name()));
    return set;
}

TLayoutValue ValueOf(const QMetaProperty& property, const QVariant& variant)
{
    if (property.isEnumType() || property.isFlagType()) return EnumValue(property, variant);
    const bool isColor = QByteArray(property.name()).endsWith("Color");
    switch (property.metaType().id()) {
    case QMetaType::Bool:
        return IdentifierValue(variant.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::LongLong: {
        const qint64 number =
            property.metaType().id() == QMetaType::UInt ? qint64(variant.toUInt()) : variant.toLongLong();
        const QString name = isColor ? ColorName(TColor(number)) : QString();
        return name.isEmpty() ? IntegerValue(number) : IdentifierValue(name);
    }
    case QMetaType::QString:
        return StringValue(variant.toString());
    case QMetaType::QStringList: {
        TLayoutValue list = MakeValue(TLayoutValue::Kind::List);
        for (const QString& text : variant.toStringList())
            list.Elements.push_back(StringValue(text));
        return list;
    }
    case QMetaType::QByteArray:
        return BinaryValue(variant.toByteArray());
    default:
        Fail(QStringLiteral("property '%1' of type %2 cannot be stored")
                 .arg(QLatin1String(property.name()), QLatin1String(property.metaType().name())));
    }
}

// The font a control starts from when it is read into its parent (it follows
// the parent's until the layout sets its own): a parent control's own font,
// else the parent's Qt font. Null where the parentless default applies.
std::unique_ptr<TFont> InheritedFont(const QObject* object, const QObject* sub)
{
    const auto* control = qobject_cast<const TCustomControl*>(object);
    const QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent || sub != &control->Font()) return nullptr;
    auto font = std::make_unique<TFont>();
    if (const auto* parentControl = qobject_cast<const TCustomControl*>(parent))
        font->Assign(parentControl->Font());
    else
        font->AssignQFont(parent->font());
    return font;
}

QString Indent(int depth)
{
    return QString(depth * 2, u' ');
}

// Printable characters go between quotes; the rest become #code (one code
// point, or one UTF-16 unit for a lone surrogate).
QString QuotedString(const QString& text)
{
    if (text.isEmpty()) return QStringLiteral("''");
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair) code = QChar::surrogateToUcs4(text[i], text[i + 1]);
        const bool plain = QChar::isPrint(code) && !QChar::isSurrogate(code);
        if (plain != quoted) {
            out += u'\'';
            quoted = plain;
        }
        if (!plain)
            out += u'#' + QString::number(code);
        else if (code == u'\'')
            out += QStringLiteral("''");
        else
            out += text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
    }
    if (quoted) out += u'\'';
    return out;
}

void FormatProperties(const std::vector<TLayoutProperty>& properties, int depth, QString& out);

QString FormatValue(const TLayoutValue& value, int depth)
{
    switch (value.Type) {
    case TLayoutValue::Kind::Integer:
        return QString::number(value.Integer);
    case TLayoutValue::Kind::String:
        return QuotedString(value.Text);
    case TLayoutValue::Kind::Identifier:
        return value.Text;
    case TLayoutValue::Kind::Set: {
        QStringList names;
        for (const TLayoutValue& element : value.Elements)
            names << element.Text;
        return u'[' + names.join(QStringLiteral(", ")) + u']';
    }
    case TLayoutValue::Kind::List: {
        QString out = QStringLiteral("(");
        for (const TLayoutValue& element : value.Elements)
            out += u'\n' + Indent(depth + 1) + FormatValue(element, depth + 1);
        return out + u')';
    }
    case TLayoutValue::Kind::Collection: {
        QString out = QStringLiteral("<");
        for (const TLayoutItem& item : value.Items) {
            out += u'\n' + Indent(depth + 1) + QStringLiteral("item\n");
            FormatProperties(item.Properties, depth + 2, out);
            out += Indent(depth + 1) + QStringLiteral("end");
        }
        return out + u'>';
    }
    case TLayoutValue::Kind::Binary: {
        constexpr int BytesPerLine = 32;
        QString out = QStringLiteral("{");
        for (qsizetype at = 0; at < value.Data.size(); at += BytesPerLine)
            out += u'\n' + Indent(depth + 1) +
                   QString::fromLatin1(value.Data.mid(at, BytesPerLine).toHex().toUpper());
        return out + u'}';
    }
    }
    return {};
}

void FormatProperties(const std::vector<TLayoutProperty>& properties, int depth, QString& out)
{
    for (const TLayoutProperty& property : properties)
        out += Indent(depth) + property.Name + QStringLiteral(" = ") + FormatValue(property.Value, depth) +
               u'\n';
}

void FormatNode(const TLayoutNode& node, int depth, QString& out)
{
    out += Indent(depth) + QStringLiteral("object ");
    out += node.Name.isEmpty() ? node.ClassName : node.Name + QStringLiteral(": ") + node.ClassName;
    out += u'\n';
    FormatProperties(node.Properties, depth + 1, out);
    for (const TLayoutNode& child : node.Children)
        FormatNode(child, depth + 1, out);
    out += Indent(depth) + QStringLiteral("end\n");
}

// Turns live objects into a tree, comparing against fresh instances of the
// registered classes to leave defaults out.
class TreeBuilder {
public:
    explicit TreeBuilder(const QObject* root) : root_(root) {}

    TLayoutNode Node(const QObject* object)
    {
        const TRegisteredClass* registered = FindClass(object->metaObject());
        if (!registered)
            Fail(QStringLiteral("class '%1' is not registered").arg(object->metaObject()->className()));
        TLayoutNode node;
        node.Name = object->objectName();
        node.ClassName = registered->Name;
        Properties(object, Reference(*registered), QString(), node.Properties);
        for (const QObject* child : object->children())
            if (IsStoredChild(child)) node.Children.push_back(Node(child));
        return node;
    }

private:
    const QObject* root_;
    std::map<const QMetaObject*, std::unique_ptr<QObject>> references_;
    // The one blank item added to each reference collection: compared with
    // again and again, it must not grow with every collection written.
    std::map<const TLayoutCollection*, const QObject*> blanks_;

    QObject* Reference(const TRegisteredClass& registered)
    {
        auto& reference = references_[registered.Meta];
        if (!reference) reference.reset(registered.Create(nullptr, nullptr));
        return reference.get();
    }

    // Stored values of `object`, named with `prefix`, leaving out those equal
    // to `reference`'s (nullptr: keep all).
    void Properties(const QObject* object, const QObject* reference, const QString& prefix,
                    std::vector<TLayoutProperty>& out)
    {
        const QMetaObject* meta = object->metaObject();
        for (int i = FirstOwnProperty(meta); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.isStored() || !property.isDesignable() || FollowsParent(object, property) ||
                !StoredNow(object, property))
                continue;
            // A property a subclass declares again is stored once, as the
            // subclass means it (the reader reaches that one too).
            if (meta->indexOfProperty(property.name()) != i) continue;
            const QString name = prefix + QLatin1String(property.name());
            if (property.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
                if (property.isWritable())
                    Reference(property, object, name, out);
                else
                    SubObject(property, object, reference, name, out);
            } else if (property.isWritable()) {
                TLayoutValue value = ValueOf(property, property.read(object));
                if (!reference ||
                    FormatValue(value, 0) != FormatValue(ValueOf(property, property.read(reference)), 0))
                    out.push_back({name, {}, std::move(value)});
            }
        }
        std::vector<TLayoutProperty> extras = Extras(object, prefix);
        const std::vector<TLayoutProperty> referenceExtras = reference ? Extras(reference, prefix) : extras;
        for (TLayoutProperty& extra : extras)
            if (!reference || !Contains(referenceExtras, extra)) out.push_back(std::move(extra));
        for (const auto& [event, handler] : BoundHandlers(object))
            out.push_back({prefix + event, {}, IdentifierValue(handler)});
    }

    // What a class stores beyond its Q_PROPERTYs.
    static std::vector<TLayoutProperty> Extras(const QObject* object, const QString& prefix)
    {
        std::vector<TLayoutProperty> out;
        TLayoutWriter writer(out, prefix);
        if (auto* extras = dynamic_cast<const TStoredExtras*>(object)) extras->WriteExtraProperties(writer);
        if (auto* picture = qobject_cast<const TPicture*>(object)) WritePictureProperties(*picture, writer);
        if (auto* bitmap = qobject_cast<const TBitmap*>(object)) WriteBitmapProperties(*bitmap, writer);
        return out;
    }

    static bool Contains(const std::vector<TLayoutProperty>& properties, const TLayoutProperty& wanted)
    {
        return std::any_of(properties.begin(), properties.end(), [&](const TLayoutProperty& property) {
            return property.Name == wanted.Name &&
                   FormatValue(property.Value, 0) == FormatValue(wanted.Value, 0);
        });
    }

    // A writable object property refers to another component and is stored by
    // its name; one that is only readable is a part of the object itself.
    void Reference(const QMetaProperty& property, const QObject* object, const QString& name,
                   std::vector<TLayoutProperty>& out)
    {
        const QObject* target = property.read(object).value<QObject*>();
        if (!target) return;
        if (FindLayoutComponent(root_, target->objectName()) != target)
            Fail(QStringLiteral("property '%1' refers to an object that is not stored in this layout")
                     .arg(QLatin1String(property.name())));
        out.push_back({name, {}, IdentifierValue(target->objectName())});
    }

    void SubObject(const QMetaProperty& property, const QObject* object, const QObject* reference,
                   const QString& name, std::vector<TLayoutProperty>& out)
    {
        QObject* sub = property.read(object).value<QObject*>();
        QObject* referenceSub = reference ? property.read(reference).value<QObject*>() : nullptr;
        if (!sub) return;
        const std::unique_ptr<TFont> inherited = reference ? InheritedFont(object, sub) : nullptr;
        if (inherited) referenceSub = inherited.get();
        if (auto* collection = dynamic_cast<TLayoutCollection*>(sub)) {
            auto* referenceCollection = dynamic_cast<TLayoutCollection*>(referenceSub);
            TLayoutValue value = Items(*collection, nullptr);
            if (referenceCollection &&
                FormatValue(value, 0) == FormatValue(Items(*referenceCollection, nullptr, Blank(referenceCollection)), 0))
                return;
            // Items leave out what a newly added item already has.
            out.push_back({name, {}, Items(*collection, Blank(referenceCollection))});
            return;
        }
        Properties(sub, referenceSub, name + u'.', out);
    }

    const QObject* Blank(TLayoutCollection* reference)
    {
        if (!reference) return nullptr;
        const QObject*& blank = blanks_[reference];
        if (!blank) blank = reference->AddItem();
        return blank;
    }

    // The items' values, each without what `blank` has, leaving `skip` out.
    TLayoutValue Items(const TLayoutCollection& collection, const QObject* blank, const QObject* skip = nullptr)
    {
        TLayoutValue value = MakeValue(TLayoutValue::Kind::Collection);
        for (const QObject* item : collection.Items()) {
            if (item == skip) continue;
            value.Items.emplace_back();
            Properties(item, blank, QString(), value.Items.back().Properties);
        }
        return value;
    }
};

} // namespace

TLayoutNode LayoutTreeOf(const QObject* root)
{
    return TreeBuilder(root).Node(root);
}

QString FormatLayout(const TLayoutNode& node)
{
    QString out;
    FormatNode(node, 0, out);
    return out;
}

QString WriteLayout(const QObject* root)
{
    return FormatLayout(LayoutTreeOf(root));
}

} // namespace toolkit
