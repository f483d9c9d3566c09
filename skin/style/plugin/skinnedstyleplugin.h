#pragma once
// The style plugin: `-style skinned-winxp`, QT_STYLE_OVERRIDE or
// QStyleFactory::create give any Qt application one of the skin's looks.

#include <QStylePlugin>

/// The style plugin: the keys skinned-macos, skinned-winxp, skinned-deepblue, skinned-protein and
/// skinned-blueglass create a SkinnedStyle, and skinned-graphite one in the installed example pack.
/// Qt offers only the keys of the plugin's metadata; SkinnedStyle::StyleForKey takes any installed pack.
class SkinnedStylePlugin : public QStylePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "skinnedstyleplugin.json")

public:
    // Null for a key that names none of the skinned styles.
    QStyle* create(const QString& key) override;
};
