#include "skin/themes/suiskinname.h"

#include "skin/themes/suiskins.h"
#include "toolkit/layoutreader.h"

#include <QDebug>
#include <QVariant>
#include <stdexcept>

namespace {

constexpr char UIStyleProperty[] = "UIStyle";

// The controls publishing SkinName are QObjects: the mixin reaches their
// UIStyle property through the object.
const QObject* ObjectOf(const TsuiSkinNamed* named)
{
    const auto* object = dynamic_cast<const QObject*>(named);
    Q_ASSERT(object);
    return object;
}

bool IsBuiltInStyle(TsuiUIStyle style)
{
    return style >= TsuiUIStyle::MacOS && style <= TsuiUIStyle::BlueGlass;
}

} // namespace

TsuiUIStyle TsuiSkinNamed::ShownStyle() const
{
    return ObjectOf(this)->property(UIStyleProperty).value<TsuiUIStyle>();
}

void TsuiSkinNamed::Show(TsuiUIStyle style)
{
    const_cast<QObject*>(ObjectOf(this))->setProperty(UIStyleProperty, QVariant::fromValue(style));
}

bool TsuiSkinNamed::ShowsNamed() const
{
    return !named_.isEmpty() && SkinStyle(named_) == ShownStyle();
}

QString TsuiSkinNamed::SkinName() const
{
    if (ShowsNamed()) return named_;
    const TsuiUIStyle shown = ShownStyle();
    return IsBuiltInStyle(shown) ? QString() : ::SkinName(shown);
}

void TsuiSkinNamed::SetSkinName(const QString& name)
{
    if (name.isEmpty()) {
        const bool shown = ShowsNamed();
        named_.clear();
        if (shown) Show(beforeNamed_);
        return;
    }
    QList<TsuiSkinProblem> problems;
    const TsuiUIStyle style = FindSkin(name, problems);
    if (style == TsuiUIStyle::Custom) {
        QStringList lines;
        for (const TsuiSkinProblem& problem : problems) lines << problem.ToString();
        const QString why =
            QStringLiteral("skin pack '%1' cannot be used: %2").arg(name, lines.join(QStringLiteral("; ")));
        if (toolkit::IsReadingLayout()) throw std::invalid_argument(why.toStdString());
        qWarning().noquote() << why;
        return;
    }
    if (!ShowsNamed()) beforeNamed_ = ShownStyle();
    named_ = name;
    Show(style);
}

bool TsuiSkinNamed::StoresProperty(const char* name) const
{
    return qstrcmp(name, UIStyleProperty) != 0 || SkinName().isEmpty();
}
