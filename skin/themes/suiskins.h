#pragma once
// The skin packs a program has: the five built-in styles, read from their
// compiled-in packs when first asked for, and the packs it loaded. Every pack
// answers as a style: the built-ins as their own, loaded ones from 6 up, so
// that everything that takes a TsuiUIStyle takes a loaded pack too.

#include "skin/themes/suiskinpack.h"

#include <QStringList>

// The pack a style answers from; null for Custom and for a style no pack
// answers as. A pack, once answered, stays valid for the program's life.
const TsuiSkinPack* SkinPackOf(TsuiUIStyle style);
// The name a style's picture element (teTabLine) is found by, with
// LoadBitmapResource and in stored layouts: "<NAME>_<ROLE>" ("WINXP_TAB_LINE"),
// but "MENU_CHECKED" for the built-ins, which always shared that one. Empty
// for Custom and for elements that are not pictures.
QString SkinPictureName(TsuiUIStyle style, int index);
// The picture itself, as LoadBitmapResource answers it under that name; null
// where the name is empty. Both are worked out when the pack is registered,
// so that paints, which ask for them every time, only look them up.
QImage SkinPicture(TsuiUIStyle style, int index);
// Reads the pack in the folder and registers it, its pictures under
// SkinPictureName. A pack of the name loaded before is replaced and
// keeps its style. Answers the pack's style, or Custom with the problems when
// it cannot be read or is named like a built-in.
TsuiUIStyle LoadSkinPack(const QString& folder, QList<TsuiSkinProblem>& problems);
// The style of the built-in or loaded pack of that name; Custom for none.
TsuiUIStyle SkinStyle(const QString& name);
// The name of a style's pack ("winxp"); empty for Custom and unknown styles.
QString SkinName(TsuiUIStyle style);
// The built-in names, then the loaded ones in the order they were loaded.
QStringList SkinNames();
// The environment variable naming folders of installed packs (separated by
// ':'), searched before the data folders.
inline constexpr char SkinPathVariable[] = "SKINNEDCONTROLS_SKINS";
// The folders installed packs are found in, in order: those of
// SKINNEDCONTROLS_SKINS, then skinnedcontrols/skins/ in each data folder
// ($XDG_DATA_HOME, then each of $XDG_DATA_DIRS).
QStringList SkinSearchFolders();
// The names of the installed packs (the sub-folders of the search folders
// that hold a skin.ini and are named as a pack may be), each once, sorted.
QStringList InstalledSkinNames();
// The style of the pack of that name: a built-in, one loaded, or the first
// installed one of the name, loaded now. Custom with the problems when
// there is none or it cannot be read.
TsuiUIStyle FindSkin(const QString& name, QList<TsuiSkinProblem>& problems);
// The compiled-in folder of a built-in's pack (":/skins/winxp").
QString BuiltInSkinFolder(TsuiUIStyle style);
