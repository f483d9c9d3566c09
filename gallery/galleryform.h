#pragma once
// The gallery's window: every family of skinned controls on one skinned
// frame, built from its stored layout, with a main menu, a tool bar and a
// row of radio buttons that switch the whole window between the styles as
// an application would.

#include "skin/themes/suithemes.h"
#include "toolkit/controlprops.h"
#include "toolkit/form.h"

#include <QStringList>
#include <array>
#include <functional>

class TsuiForm;
class TStockPage;

// The styles the gallery shows, in their enumeration order.
inline constexpr std::array<TsuiUIStyle, 5> GalleryStyles = {
    TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};

// The styles the gallery switches between: the built-in ones, then every
// skin pack loaded (gallery --skin).
QList<TsuiUIStyle> ShownStyles();

// The style's name as stored layouts write it ("MacOS"); a loaded pack's
// name ("graphite").
QString StyleName(TsuiUIStyle style);

class TGalleryForm : public toolkit::TForm {
    Q_OBJECT

public:
    enum TContents { FromLayout, Blank };

    // Reads the gallery's layout unless Blank (a form another layout fills);
    // each loaded skin pack gets a radio button and a menu item of its own.
    explicit TGalleryForm(TContents contents = FromLayout, QWidget* parent = nullptr);

    TsuiForm* Frame() const;
    // The page of stock Qt widgets, made on first use; it follows the style.
    TStockPage* StockPage();

    // Through the frame, which passes the style on to every skinned control
    // on it and to its menu; controls of their own look (Custom) keep it.
    // The style's choices, a radio button and a menu item, show checked.
    void ApplyStyle(TsuiUIStyle style);

    // A style choice, named after its style ("styleWinXP", "mnuStyleWinXP").
    Q_INVOKABLE void StyleClick(QObject* Sender);
    // The style after the frame's, after the last the first.
    Q_INVOKABLE void NextStyleClick();
    Q_INVOKABLE void ExitClick();
    // Items move between the two lists by dragging: each list takes drops
    // from the other only, at the item under the pointer or at the end.
    Q_INVOKABLE void ListDragOver(QObject* Source, int X, int Y, toolkit::TDragState State, bool& Accept);
    Q_INVOKABLE void ListDragDrop(QObject* Source, int X, int Y);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddPackChoices();

    TStockPage* stockPage_ = nullptr;
};

// Makes every class the gallery's layout names readable: the toolkit's
// controls, every skin library and the gallery's form (created blank).
void RegisterGalleryClasses();

// Before the application exists: the offscreen platform, with a screen large
// enough for the whole window (its default one, 800 x 600, would have the
// frame shrink the window to fit). Throws std::runtime_error when the screen
// cannot be described.
void ChooseOffscreenPlatform();

// The window as it is on screen: what lies outside its shape (rounded
// corners) is transparent.
QImage WindowPicture(QWidget& window);

// Writes <name>-<style>.png into `directory` for every shown style (the style in
// lower case), each control in its normal look (no pointer over it, no
// focus); returns the files written and leaves the window in its last style.
// Throws std::runtime_error when a file cannot be written.
QStringList WriteScreenshots(QWidget& window, const QString& directory, const QString& name,
                             const std::function<void(TsuiUIStyle)>& applyStyle);
// The gallery's: gallery-<style>.png and gallery-stock-<style>.png (its page of
// stock Qt widgets).
QStringList WriteScreenshots(TGalleryForm& form, const QString& directory);
