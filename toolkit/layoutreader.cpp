#include "toolkit/layoutreader.h"

#include "toolkit/component.h"
#include "toolkit/controlprops.h"
#include "toolkit/form.h"
#include "toolkit/layoutcolors.h"
#include "toolkit/layoutpicture.h"

#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>
#include <QHash>
#include <limits>
#include <stdexcept>

namespace toolkit {

namespace {

constexpr char HandlersProperty[] = "_layoutHandlers";

thread_local int readingDepth = 0;

[[noreturn]] void FailAt(TLayoutPos pos, const QString& message)
{
    throw ELayoutError(pos.Line, pos.Column, message);
}

// Runs one step of reading: whatever it throws leaves as ELayoutError, at
// `pos` unless the error already has a position.
template <class Step> auto At(TLayoutPos pos, Step&& step) -> decltype(step())
{
    try {
        return step();
    } catch (const ELayoutError& error) {
        if (error.Line() > 0) throw;
        FailAt(pos, QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        FailAt(pos, QString::fromUtf8(error.what()));
    }
}

int EnumValue(const QMetaEnum& enumerator, const TLayoutValue& identifier)
{
    ExpectKind(identifier, TLayoutValue::Kind::Identifier);
    bool ok = false;
    const int value = enumerator.keyToValue(identifier.Text.toLatin1().constData(), &ok);
    if (!ok || identifier.Text.contains(u'.'))
        FailAt(identifier.Pos, QStringLiteral("unknown value '%1' for %2")
                                   .arg(identifier.Text, QLatin1String(enumerator.name())));
    return value;
}

qint64 IntegerOrColor(const TLayoutValue& value)
{
    if (value.Type == TLayoutValue::Kind::Identifier) {
        if (const auto color = ColorFromName(value.Text)) return *color;
        FailAt(value.Pos, QStringLiteral("unknown colour '%1'").arg(value.Text));
    }
    return LayoutInteger(value);
}

template <class T>
QVariant RangedInteger(const TLayoutValue& value, qint64 min = std::numeric_limits<T>::min(),
                       qint64 max = std::numeric_limits<T>::max())
{
    const qint64 number = IntegerOrColor(value);
    if (number < min || number > max) FailAt(value.Pos, QStringLiteral("integer out of range"));
    return QVariant::fromValue(static_cast<T>(number));
}

QVariant ToVariant(const QMetaProperty& property, const TLayoutValue& value)
{
    const QMetaType type = property.metaType();
    if (property.isFlagType() || property.isEnumType()) {
        const QMetaEnum enumerator = PropertyEnumerator(property);
        if (!enumerator.isValid())
            FailAt(value.Pos, QStringLiteral("enumeration of '%1' is not registered").arg(property.name()));
        int bits = 0;
        if (property.isFlagType()) {
            ExpectKind(value, TLayoutValue::Kind::Set);
            for (const TLayoutValue& element : value.Elements)
                bits |= EnumValue(enumerator, element);
        } else {
            bits = EnumValue(enumerator, value);
        }
        QVariant result(bits);
        result.convert(type);
        return result;
    }
    switch (type.id()) {
    case QMetaType::Bool: {
        const QString name = LayoutIdentifier(value);
        if (name.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
        if (name.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
        FailAt(value.Pos, QStringLiteral("expected True or False"));
    }
    case QMetaType::Int:
        return RangedInteger<int>(value);
    // Colours are unsigned; a negative value is the same bits written signed.
    case QMetaType::UInt:
        return RangedInteger<uint>(value, std::numeric_limits<int>::min());
    case QMetaType::Short:
        return RangedInteger<short>(value);
    case QMetaType::UShort:
        return RangedInteger<ushort>(value);
    case QMetaType::UChar:
        return RangedInteger<uchar>(value);
    case QMetaType::LongLong:
        return RangedInteger<qint64>(value);
    case QMetaType::QString:
        return LayoutString(value);
    case QMetaType::QByteArray:
        return LayoutBinary(value);
    case QMetaType::QStringList: {
        ExpectKind(value, TLayoutValue::Kind::List);
        QStringList strings;
        for (const TLayoutValue& element : value.Elements)
            strings << (element.Type == TLayoutValue::Kind::Identifier ? element.Text
                                                                       : LayoutString(element));
        return strings;
    }
    default:
        FailAt(value.Pos, QStringLiteral("property '%1' of type %2 cannot be read from a layout")
                              .arg(QLatin1String(property.name()), QLatin1String(type.name())));
    }
}

bool IsObjectProperty(const QMetaProperty& property)
{
    return property.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

QObject* SubObject(QObject* object, const QMetaProperty& property)
{
    return IsObjectProperty(property) ? property.read(object).value<QObject*>() : nullptr;
}

// Events are the signals named On...; OnClick also stands for Qt's clicked.
QMetaMethod FindSignal(const QObject* object, const QString& event)
{
    if (!event.startsWith(QLatin1String("On"))) return {};
    const QMetaObject* meta = object->metaObject();
    const QByteArray names[] = {event.toLatin1(), event == QLatin1String("OnClick") ? "clicked" : ""};
    for (const QByteArray& name : names)
        for (int i = meta->methodCount() - 1; i >= 0; --i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal && method.name() == name && !name.isEmpty())
                return method;
        }
    return {};
}

QMetaMethod FindHandler(const QObject* root, const QString& handler)
{
    const QMetaObject* meta = root->metaObject();
    const QByteArray name = handler.toLatin1();
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Signal && method.name() == name) return method;
    }
    return {};
}

// Calls a handler whose first parameter is the sender, followed by the
// signal's own arguments; moc-generated slots cannot prepend an argument, so
// this receives the signal through qt_metacall directly.
class SenderForwarder : public QObject {
public:
    SenderForwarder(QObject* sender, QObject* receiver, const QMetaMethod& handler)
        : QObject(sender), sender_(sender), receiver_(receiver), handler_(handler)
    {
    }

    int qt_metacall(QMetaObject::Call call, int id, void** args) override
    {
        id = QObject::qt_metacall(call, id, args);
        if (id < 0 || call != QMetaObject::InvokeMetaMethod) return id;
        if (id == 0 && receiver_) Forward(args);
        return id - 1;
    }

    static int SlotIndex() { return QObject::staticMetaObject.methodCount(); }

private:
    QObject* sender_;
    QPointer<QObject> receiver_;
    QMetaMethod handler_;

    void Forward(void** signalArgs)
    {
        std::vector<void*> args(handler_.parameterCount() + 1, nullptr);
        args[1] = &sender_;
        for (size_t i = 2; i < args.size(); ++i)
            args[i] = signalArgs[i - 1];
        QMetaObject::metacall(receiver_, QMetaObject::InvokeMetaMethod, handler_.methodIndex(), args.data());
    }
};

bool TakesSenderFirst(const QMetaMethod& signal, const QMetaMethod& handler)
{
    if (handler.parameterCount() < 1 || handler.parameterMetaType(0) != QMetaType::fromType<QObject*>() ||
        handler.parameterCount() - 1 > signal.parameterCount())
        return false;
    for (int i = 1; i < handler.parameterCount(); ++i)
        if (handler.parameterMetaType(i) != signal.parameterMetaType(i - 1)) return false;
    return true;
}

// Applies one parsed object tree; remembers what it created so that an error
// can take it all back.
class Reader {
public:
    enum TMode { Run, Preview };

    explicit Reader(QObject* root, TMode mode = Run) : root_(root), mode_(mode) { ++readingDepth; }

    // Everything created below the root gets it as owner.
    void SetRoot(QObject* root) { root_ = root; }

    ~Reader()
    {
        --readingDepth;
        if (done_) return;
        for (auto it = created_.rbegin(); it != created_.rend(); ++it)
            delete it->data();
        if (root_) // only a root handed in by the caller survives
            if (auto* component = dynamic_cast<TComponent*>(root_.data())) component->SetLoading(false);
    }

    void Populate(QObject* object, const TLayoutNode& node)
    {
        Name(object, node);
        if (auto* component = dynamic_cast<TComponent*>(object)) {
            component->SetLoading(true);
            components_.push_back({object, node.Pos});
        }
        for (const TLayoutProperty& property : node.Properties)
            At(property.Pos, [&] { Apply(object, property); });
        for (const TLayoutNode& child : node.Children)
            Populate(Create(child, object), child);
    }

    QObject* Create(const TLayoutNode& node, QObject* parent)
    {
        const TRegisteredClass* registered = FindClass(node.ClassName);
        const bool previewRoot = !root_ && mode_ == Preview;
        if (!registered && !previewRoot)
            FailAt(node.Pos, QStringLiteral("unknown class '%1'").arg(node.ClassName));
        QObject* object = At(node.Pos, [&]() -> QObject* {
            if (registered) return registered->Create(root_, parent);
            auto* parentWidget = qobject_cast<QWidget*>(parent);
            return parent && !parentWidget ? nullptr : new TForm(parentWidget);
        });
        if (!object)
            FailAt(node.Pos, QStringLiteral("class '%1' cannot be placed in '%2'")
                                 .arg(node.ClassName, parent ? parent->objectName() : QString()));
        created_.push_back(object);
        return object;
    }

    void Finish()
    {
        ResolveReferences();
        for (const auto& [object, pos] : components_)
            if (object) At(pos, [&, object = object.data()] { dynamic_cast<TComponent*>(object)->Loaded(); });
        ApplyStoredTabOrders();
        done_ = true;
    }

private:
    // Qt places a widget created after the others were ordered at the end of
    // the focus chain, so the stored order applies once all siblings exist.
    void ApplyStoredTabOrders()
    {
        QList<QWidget*> parents;
        for (const QPointer<QObject>& object : created_) {
            const auto* widget = qobject_cast<QWidget*>(object.data());
            const QVariant order = widget ? widget->property("TabOrder") : QVariant();
            if (order.isValid() && order.toInt() >= 0 && !parents.contains(widget->parentWidget()))
                parents.append(widget->parentWidget());
        }
        for (QWidget* parent : parents)
            ApplyTabOrder(parent);
    }

    QPointer<QObject> root_;
    TMode mode_;
    std::vector<QPointer<QObject>> created_;
    std::vector<std::pair<QPointer<QObject>, TLayoutPos>> components_;
    // The names of one layout are one namespace: a reference must name one
    // component only.
    QHash<QString, QPointer<QObject>> named_;
    // A reference may name a component declared further down, so references
    // are set once every object exists.
    struct PendingReference {
        QPointer<QObject> Target;
        QMetaProperty Property;
        TLayoutValue Name;
    };
    std::vector<PendingReference> references_;
    bool done_ = false;

    // What FindLayoutComponent finds for a name unique in the layout, without
    // a walk over the whole tree: the object, when everything from it up to
    // the root is stored.
    bool IsStoredUnder(const QObject* object) const
    {
        for (; object != root_; object = object->parent())
            if (!object || !IsStoredChild(object)) return false;
        return true;
    }

    void Name(QObject* object, const TLayoutNode& node)
    {
        if (node.Name.isEmpty()) return;
        if (named_.contains(node.Name)) FailAt(node.Pos, QStringLiteral("duplicate name '%1'").arg(node.Name));
        named_.insert(node.Name, object);
        object->setObjectName(node.Name);
    }

    // Walks a dotted name down through sub-objects, then sets the last part.
    void Apply(QObject* target, const TLayoutProperty& property)
    {
        QStringView rest = property.Name;
        for (;;) {
            const qsizetype dot = rest.indexOf(u'.');
            const QString head = (dot < 0 ? rest : rest.left(dot)).toString();
            const int index = target->metaObject()->indexOfProperty(head.toLatin1().constData());
            if (index < 0 || head == QLatin1String("objectName"))
                return ApplyUnknown(target, rest.toString(), property);
            const QMetaProperty meta = target->metaObject()->property(index);
            if (dot < 0) return Write(target, meta, property);
            QObject* sub = SubObject(target, meta);
            if (!sub) return ApplyUnknown(target, rest.toString(), property);
            target = sub;
            rest = rest.mid(dot + 1);
        }
    }

    void ApplyUnknown(QObject* target, const QString& name, const TLayoutProperty& property)
    {
        if (auto* picture = qobject_cast<TPicture*>(target))
            if (ReadPictureProperty(*picture, name, property.Value)) return;
        if (auto* bitmap = qobject_cast<TBitmap*>(target))
            if (ReadBitmapProperty(*bitmap, name, property.Value)) return;
        if (auto* extras = dynamic_cast<TStoredExtras*>(target))
            if (extras->ReadExtraProperty(name, property.Value)) return;
        if (!name.contains(u'.') && FindSignal(target, name).isValid()) {
            if (mode_ == Preview && !FindHandler(root_, LayoutIdentifier(property.Value)).isValid()) return;
            const QString error = BindHandler(target, name, root_, LayoutIdentifier(property.Value));
            if (!error.isEmpty()) FailAt(property.Value.Pos, error);
            return;
        }
        FailAt(property.Pos, QStringLiteral("unknown property '%1' in %2")
                                 .arg(name, QLatin1String(target->metaObject()->className())));
    }

    void Write(QObject* target, const QMetaProperty& meta, const TLayoutProperty& property)
    {
        if (property.Value.Type == TLayoutValue::Kind::Collection)
            return FillCollection(target, meta, property.Value);
        if (!meta.isWritable())
            FailAt(property.Pos, QStringLiteral("property '%1' is read-only").arg(property.Name));
        if (IsObjectProperty(meta)) {
            ExpectKind(property.Value, TLayoutValue::Kind::Identifier);
            references_.push_back({target, meta, property.Value});
            return;
        }
        // A setter may refuse a value it cannot take, saying why.
        bool written = false;
        try {
            written = meta.write(target, ToVariant(meta, property.Value));
        } catch (const std::invalid_argument& refusal) {
            FailAt(property.Value.Pos,
                   QStringLiteral("property '%1': %2").arg(property.Name, QString::fromUtf8(refusal.what())));
        }
        if (!written)
            FailAt(property.Value.Pos, QStringLiteral("property '%1' refused the value").arg(property.Name));
    }

    void ResolveReferences()
    {
        for (const PendingReference& reference : references_)
            if (reference.Target) At(reference.Name.Pos, [&] { SetReference(reference); });
    }

    void SetReference(const PendingReference& reference)
    {
        const TLayoutPos pos = reference.Name.Pos;
        QObject* found = named_.value(reference.Name.Text);
        if (!found || !IsStoredUnder(found)) found = FindLayoutComponent(root_, reference.Name.Text);
        if (!found) FailAt(pos, QStringLiteral("unknown component '%1'").arg(reference.Name.Text));
        const QMetaObject* wanted = reference.Property.metaType().metaObject();
        if (wanted && !found->metaObject()->inherits(wanted))
            FailAt(pos, QStringLiteral("'%1' is a %2, which property '%3' cannot refer to")
                            .arg(reference.Name.Text, QLatin1String(found->metaObject()->className()),
                                 QLatin1String(reference.Property.name())));
        if (!reference.Property.write(reference.Target, QVariant::fromValue(found)))
            FailAt(pos, QStringLiteral("property '%1' refused '%2'")
                            .arg(QLatin1String(reference.Property.name()), reference.Name.Text));
    }

    void FillCollection(QObject* target, const QMetaProperty& meta, const TLayoutValue& value)
    {
        auto* collection = dynamic_cast<TLayoutCollection*>(SubObject(target, meta));
        if (!collection)
            FailAt(value.Pos, QStringLiteral("property '%1' is not a collection").arg(meta.name()));
        collection->ClearItems();
        for (const TLayoutItem& item : value.Items) {
            QObject* itemObject = collection->AddItem();
            for (const TLayoutProperty& property : item.Properties)
                At(property.Pos, [&] { Apply(itemObject, property); });
        }
    }
};

void CheckRootClass(const QObject* root, const TLayoutNode& node)
{
    const TRegisteredClass* registered = FindClass(node.ClassName);
    const bool fits = registered ? root->metaObject()->inherits(registered->Meta)
                                 : node.ClassName == QLatin1String(root->metaObject()->className());
    if (!fits)
        FailAt(node.Pos, QStringLiteral("layout of '%1' cannot be read into '%2'")
                             .arg(node.ClassName, QLatin1String(root->metaObject()->className())));
}

QObject* ReadNewLayout(const QString& text, QObject* parent, Reader::TMode mode)
{
    const TLayoutNode tree = ParseLayout(text);
    Reader reader(nullptr, mode);
    QObject* root = reader.Create(tree, parent);
    reader.SetRoot(root);
    reader.Populate(root, tree);
    reader.Finish();
    return root;
}

} // namespace

QObject* ReadLayout(const QString& text, QObject* parent)
{
    return ReadNewLayout(text, parent, Reader::Run);
}

QObject* PreviewLayout(const QString& text, QObject* parent)
{
    return ReadNewLayout(text, parent, Reader::Preview);
}

bool IsReadingLayout()
{
    return readingDepth > 0;
}

void ReadLayoutInto(QObject* root, const QString& text)
{
    const TLayoutNode tree = ParseLayout(text);
    CheckRootClass(root, tree);
    Reader reader(root);
    reader.Populate(root, tree);
    reader.Finish();
}

QString BindHandler(QObject* sender, const QString& event, QObject* root, const QString& handler)
{
    const QMetaMethod signal = FindSignal(sender, event);
    if (!signal.isValid()) return QStringLiteral("unknown event '%1'").arg(event);
    if (!root) return QStringLiteral("no root object for handler '%1'").arg(handler);
    const QMetaMethod method = FindHandler(root, handler);
    if (!method.isValid())
        return QStringLiteral("handler '%1' not found in %2")
            .arg(handler, QLatin1String(root->metaObject()->className()));
    QStringList bindings = sender->property(HandlersProperty).toStringList();
    for (const QString& binding : bindings)
        if (binding.section(u'=', 0, 0) == event)
            return QStringLiteral("event '%1' is already bound").arg(event);

    if (QMetaObject::checkConnectArgs(signal, method)) {
        QObject::connect(sender, signal, root, method);
    } else if (TakesSenderFirst(signal, method)) {
        auto* forwarder = new SenderForwarder(sender, root, method);
        QMetaObject::connect(sender, signal.methodIndex(), forwarder, SenderForwarder::SlotIndex());
    } else {
        return QStringLiteral("handler '%1' does not match event '%2'").arg(handler, event);
    }
    bindings << event + u'=' + handler;
    sender->setProperty(HandlersProperty, bindings);
    return {};
}

QList<QPair<QString, QString>> BoundHandlers(const QObject* sender)
{
    QList<QPair<QString, QString>> result;
    for (const QString& binding : sender->property(HandlersProperty).toStringList())
        result.append({binding.section(u'=', 0, 0), binding.section(u'=', 1)});
    return result;
}

// An enum declared elsewhere (a namespace's Q_ENUM_NS) is not always resolved
// by the property itself; its metatype still knows the enclosing meta-object.
QMetaEnum PropertyEnumerator(const QMetaProperty& property)
{
    if (property.enumerator().isValid()) return property.enumerator();
    const QMetaObject* scope = property.metaType().metaObject();
    if (!scope) return {};
    QByteArray name = property.metaType().name();
    name = name.mid(name.lastIndexOf(':') + 1);
    const int index = scope->indexOfEnumerator(name.constData());
    return index < 0 ? QMetaEnum() : scope->enumerator(index);
}

} // namespace toolkit
