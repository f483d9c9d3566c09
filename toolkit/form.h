#pragma once
// A top-level window that reads its own stored layout: the window's stored
// position, size and caption. The controls on it come from the layout.

#include <QWidget>

namespace toolkit {

/// A top-level window that reads its own stored layout (Left, Top, Width, Height, Caption and its controls).
class TForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE SetLeft)
    Q_PROPERTY(int Top READ y WRITE SetTop)
    Q_PROPERTY(int Width READ width WRITE SetWidth)
    Q_PROPERTY(int Height READ height WRITE SetHeight)
    Q_PROPERTY(QString Caption READ windowTitle WRITE setWindowTitle)

public:
    using QWidget::QWidget;

    void SetLeft(int left) { move(left, y()); }
    void SetTop(int top) { move(x(), top); }
    void SetWidth(int w) { resize(w, height()); }
    void SetHeight(int h) { resize(width(), h); }
};

// A layout compiled into the program (":/layouts/form1.txt"); a missing one
// is a build fault and throws std::runtime_error.
QString StoredLayout(const QString& path);

} // namespace toolkit
