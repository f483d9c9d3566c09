#include "skin/frame/suititlebarbutton.h"

#include "skin/frame/suiwindowcommands.h"
#include "skin/themes/suipublic.h"
#include "toolkit/dialogs.h"
#include "toolkit/layoutreader.h"

#include <QWidget>
#include <optional>
#include <stdexcept>

using namespace toolkit;

namespace {

const QString OnlyOneControlBox =
    QStringLiteral("Sorry, only one button's ButtonType property can be \"suiControlBox\"");

// The style's face of each button type; a custom button has only its own.
std::optional<TsuiFace> FaceOfType(TsuiTitleBarBtnType type)
{
    switch (type) {
    case suiMax:
        return TsuiFace::TitleMax;
    case suiMin:
        return TsuiFace::TitleMin;
    case suiClose:
        return TsuiFace::TitleClose;
    case suiHelp:
        return TsuiFace::TitleHelp;
    case suiControlBox:
        return TsuiFace::TitleControlBox;
    case suiCustom:
        break;
    }
    return std::nullopt;
}

} // namespace

TsuiTitleBarButton::TsuiTitleBarButton()
{
    for (TPicture* picture : {&picNormal_, &picMouseOn_, &picMouseDown_})
        connect(picture, &TPicture::OnChange, this, [this] { Changed(); });
}

QWidget* TsuiTitleBarButton::Bar() const
{
    return Collection() ? qobject_cast<QWidget*>(Collection()->Owner()) : nullptr;
}

TsuiTitleBarHost* TsuiTitleBarButton::Host() const
{
    return qobject_cast<TsuiTitleBarHost*>(Bar());
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type)
{
    if (type == suiControlBox && Collection()) {
        for (QObject* item : Collection()->Items())
            if (static_cast<TsuiTitleBarButton*>(item)->type_ == suiControlBox) {
                if (toolkit::IsReadingLayout()) throw std::invalid_argument(OnlyOneControlBox.toStdString());
                toolkit::MessageBox(nullptr, OnlyOneControlBox, {}, TMsgIcon::Error, TMsgButtons::Ok);
                return;
            }
    }
    type_ = type;
    UpdateUIStyle();
    Changed();
}

void TsuiTitleBarButton::SetTransparent(bool on)
{
    transparent_ = on;
    Changed();
}

void TsuiTitleBarButton::SetTop(int top)
{
    top_ = top;
    Changed();
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style)
{
    uiStyle_ = style;
    UpdateUIStyle();
    Changed();
}

void TsuiTitleBarButton::SetControlBoxMenu(QMenu* menu)
{
    controlBoxMenu_ = menu;
}

void TsuiTitleBarButton::SetPicNormal(const TPicture& picture)
{
    picNormal_.Assign(picture);
}

void TsuiTitleBarButton::SetPicMouseOn(const TPicture& picture)
{
    picMouseOn_.Assign(picture);
}

void TsuiTitleBarButton::SetPicMouseDown(const TPicture& picture)
{
    picMouseDown_.Assign(picture);
}

void TsuiTitleBarButton::Assign(const TsuiTitleBarButton& source)
{
    SetButtonType(source.type_);
    SetTransparent(source.transparent_);
    SetTop(source.top_);
    SetUIStyle(source.uiStyle_);
    SetPicNormal(source.picNormal_);
    SetPicMouseOn(source.picMouseOn_);
    SetPicMouseDown(source.picMouseDown_);
    SetControlBoxMenu(source.controlBoxMenu_);
}

// A button's pictures are its own, published: the style's faces fill them.
void TsuiTitleBarButton::LoadPictures(TsuiFace face)
{
    LoadFace(picNormal_, uiStyle_, face);
    LoadFace(picMouseOn_, uiStyle_, face, {.Hot = true});
    LoadFace(picMouseDown_, uiStyle_, face, {.Pressed = true});
}

void TsuiTitleBarButton::UpdateUIStyle()
{
    if (uiStyle_ == TsuiUIStyle::Custom) return;
    transparent_ = GetThemeBool(uiStyle_, teTitleButtonTransparent);
    const auto face = FaceOfType(type_);
    if (!face) return;
    LoadPictures(*face);
    top_ = GetThemeInt(uiStyle_, teTitleButtonTop);
    if (type_ == suiMax) ProcessMaxBtn();
}

void TsuiTitleBarButton::ProcessMaxBtn()
{
    const TsuiTitleBarHost* bar = Host();
    if (bar && IsMaximized(bar->ParentForm()))
        LoadPictures(TsuiFace::TitleRestore);
    else
        LoadPictures(TsuiFace::TitleMax);
}

void TsuiTitleBarButton::FollowWindowState()
{
    if (type_ == suiMax && uiStyle_ == TsuiUIStyle::WinXP) ProcessMaxBtn();
}

void TsuiTitleBarButton::DoClick()
{
    TsuiTitleBarHost* bar = Host();
    QWidget* form = bar ? bar->ParentForm() : nullptr;
    if (!form) return;
    const TRect workArea = GetWorkAreaRect();
    form->setMaximumSize(workArea.Width(), workArea.Height());
    switch (type_) {
    case suiMax:
        bar->ToggleMaximised();
        FollowWindowState();
        bar->OnFormReSize();
        break;
    case suiMin:
        form->showMinimized();
        break;
    case suiClose:
        form->close();
        break;
    case suiControlBox:
        if (controlBoxMenu_) controlBoxMenu_->popup(Bar()->mapToGlobal(QPoint(0, Bar()->height())));
        break;
    case suiHelp:
    case suiCustom:
        break;
    }
}

QString TsuiTitleBarButton::Purpose() const
{
    switch (type_) {
    case suiMax: {
        const TsuiTitleBarHost* bar = Host();
        return IsMaximized(bar ? bar->ParentForm() : nullptr) ? tr("Restore")
                                                              : tr("Maximise");
    }
    case suiMin:
        return tr("Minimise");
    case suiClose:
        return tr("Close");
    case suiHelp:
        return tr("Help");
    case suiControlBox:
        return tr("Window menu");
    case suiCustom:
        break;
    }
    return tr("Button %1").arg(Index() + 1);
}
