#pragma once
// A Qt style that gives every stock widget one of the skin's looks: the
// elements the skin has pictures for are drawn from them, composed as the
// skinned controls compose theirs (so a stock push button and a skinned one
// look the same), everything else comes from Fusion underneath.

#include "skin/themes/suifaces.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QPointer>
#include <QProxyStyle>
#include <QSet>
#include <functional>
#include <optional>

// The face state an option describes; for one part of a complex control,
// hot and pressed only when that part is the active one.
TsuiFaceState FaceStateOf(const QStyleOption& option);
TsuiFaceState PartStateOf(const QStyleOptionComplex& option, QStyle::SubControl part);

// Draws a face composed at 1:1; on a denser device it is enlarged pixel for
// pixel, as the skinned controls' pictures are, never smoothed.
void DrawFace(QPainter* painter, const QPoint& at, const QPixmap& face);
void DrawFace(QPainter* painter, const QPoint& at, const QImage& face);
void DrawFace(QPainter* painter, const QRect& target, const QImage& face);

class QStyleOptionProgressBar;

/// A Qt style that gives stock Qt widgets one of the five skinned looks, drawn from the same
/// faces, theme tables and helpers as the skinned controls; Fusion draws what the skin has no picture for.
class SkinnedStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit SkinnedStyle(TsuiUIStyle style);
    ~SkinnedStyle() override;

    TsuiUIStyle UIStyle() const { return style_; }
    // "skinned-winxp" for WinXP, "skinned-<name>" for a loaded skin pack; the
    // style a key names (any case), if any: a built-in, a loaded pack or an
    // installed one (FindSkin), loaded then.
    static QString KeyFor(TsuiUIStyle style);
    static std::optional<TsuiUIStyle> StyleForKey(const QString& key);
    // The built-ins' keys, then those of the installed packs.
    static QStringList Keys();

    QPalette standardPalette() const override;
    void polish(QWidget* widget) override;
    void polish(QPalette& palette) override;
    void unpolish(QWidget* widget) override;
    void unpolish(QApplication* application) override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    // A busy bar's run moves a pixel per this many milliseconds.
    static constexpr int BusyInterval = 20;

    // The face composed once per key and kept in the application's pixmap
    // cache; null when `compose` gives none (the element falls back).
    QPixmap Cached(const QString& key, const std::function<QImage()>& compose) const;
    void DropCachedFaces();

    bool DrawPushButton(const QStyleOption* option, QPainter* painter) const;
    bool DrawCheckControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const;
    bool DrawIndicator(PrimitiveElement element, const QStyleOption* option, QPainter* painter) const;
    QPixmap ProgressFace(QSize size, int filled, bool vertical) const;
    bool DrawProgressBar(const QStyleOption* option, QPainter* painter) const;
    bool DrawBusyBar(const QStyleOptionProgressBar& bar, QPainter* painter) const;
    bool DrawScrollBar(const QStyleOptionComplex* option, QPainter* painter) const;
    bool DrawSlider(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const;
    bool DrawTab(const QStyleOption* option, QPainter* painter) const;
    bool DrawTabWidgetFrame(const QStyleOption* option, QPainter* painter) const;
    bool DrawTabBarBase(const QStyleOption* option, QPainter* painter) const;

    // Elements in the theme's colours (skinnedstyleframes.cpp).
    bool DrawFrame(PrimitiveElement element, const QStyleOption* option, QPainter* painter) const;
    bool DrawFramedControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const;
    bool DrawMenuItem(ControlElement element, const QStyleOption* option, QPainter* painter,
                      const QWidget* widget) const;
    bool DrawFieldControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const;
    bool DrawTitleBar(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const;
    QRect FieldPart(ComplexControl control, const QStyleOptionComplex* option, SubControl sub) const;

    QSize IndicatorSize(PrimitiveElement element) const;
    QRect ScrollBarPart(const QStyleOptionComplex* option, SubControl sub) const;
    QRect SliderPart(const QStyleOptionComplex* option, SubControl sub) const;
    int TabHeight() const;

    TsuiUIStyle style_;
    mutable QSet<QString> cachedKeys_;
    QList<QPointer<QWidget>> busyBars_;
    mutable QBasicTimer busyTimer_; // ticks while a busy bar is shown
    QElapsedTimer busyClock_;
};
