#pragma once
// The gallery's page of stock Qt widgets: the families the skinned controls
// have, as any Qt application has them, under the skinned style of the
// gallery's current look.

#include "skin/themes/suithemes.h"

#include <QMainWindow>
#include <map>

class SkinnedStyle;

class TStockPage : public QMainWindow {
    Q_OBJECT

public:
    explicit TStockPage(QWidget* parent = nullptr);

    // Every widget of the page, its menus included, takes the style and its
    // palette.
    void ApplyStyle(TsuiUIStyle style);
    TsuiUIStyle Style() const { return style_; }

private:
    QWidget* Buttons();
    QWidget* Ranges();
    QWidget* Fields();

    // Children of the page, made after its widgets and so deleted after them.
    std::map<TsuiUIStyle, SkinnedStyle*> styles_;
    TsuiUIStyle style_ = TsuiUIStyle::Custom;
};
