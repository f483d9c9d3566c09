#pragma once
// The toolkit's status bar: a row of fixed-width text panels along the bottom of
// a window. Each panel is a label, so its text is readable through accessibility.

#include <QFrame>
#include <QLabel>
#include <vector>

namespace toolkit {

/// One fixed-width text panel of a status bar (a label, so screen readers read it).
class TStatusPanel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY TextChanged)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)

public:
    explicit TStatusPanel(QWidget* parent);

    QString Text() const { return text(); }
    void SetText(const QString& value);
    int Width() const { return width_; }
    void SetWidth(int value);

signals:
    void TextChanged(const QString& text);

private:
    int width_ = 50;
};

/// A row of fixed-width text panels along the bottom of a window.
class TStatusBar : public QFrame {
    Q_OBJECT

public:
    explicit TStatusBar(QWidget* parent);

    /// Panels in the order they were added; index from 0.
    class PanelList {
    public:
        TStatusPanel* operator[](int index) const { return panels_.at(index); }
        int Count() const { return int(panels_.size()); }

    private:
        friend class TStatusBar;
        std::vector<TStatusPanel*> panels_;
    } Panels;

    TStatusPanel* AddPanel(int width);
    void ArrangePanels();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace toolkit
