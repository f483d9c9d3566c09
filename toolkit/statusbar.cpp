#include "toolkit/statusbar.h"

namespace toolkit {

TStatusPanel::TStatusPanel(QWidget* parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setIndent(2);
    setTextFormat(Qt::PlainText);
}

void TStatusPanel::SetText(const QString& value)
{
    if (value == text()) return;
    setText(value);
    emit TextChanged(value);
}

void TStatusPanel::SetWidth(int value)
{
    width_ = value;
    if (auto* bar = qobject_cast<TStatusBar*>(parentWidget())) bar->ArrangePanels();
}

TStatusBar::TStatusBar(QWidget* parent) : QFrame(parent) {}

TStatusPanel* TStatusBar::AddPanel(int width)
{
    auto* panel = new TStatusPanel(this);
    panel->setObjectName(QStringLiteral("%1.Panel%2").arg(objectName()).arg(Panels.Count()));
    panel->SetWidth(width);
    Panels.panels_.push_back(panel);
    ArrangePanels();
    panel->show();
    return panel;
}

void TStatusBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    ArrangePanels();
}

// Panels sit side by side at their widths; the last one takes whatever is left,
// as the classic status bar does.
void TStatusBar::ArrangePanels()
{
    const int top = 2;
    const int h = height() - top;
    int left = 0;
    for (int i = 0; i < Panels.Count(); ++i) {
        TStatusPanel* panel = Panels[i];
        const bool last = i == Panels.Count() - 1;
        const int w = last ? std::max(panel->Width(), width() - left) : panel->Width();
        panel->setGeometry(left, top, w - 2, h);
        left += w;
    }
}

} // namespace toolkit
