#include "skin/style/plugin/skinnedstyleplugin.h"

#include "skin/style/skinnedstyle.h"

QStyle* SkinnedStylePlugin::create(const QString& key)
{
    const auto style = SkinnedStyle::StyleForKey(key);
    return style ? new SkinnedStyle(*style) : nullptr;
}
