#include "skin/frame/suititlebarsection.h"

#include "toolkit/dialogs.h"
#include "toolkit/layoutreader.h"

#include <stdexcept>

using namespace toolkit;

namespace {

const QString OnlyOneClient = QStringLiteral("Sorry, only one section's Align property can be \"suiClient\"");

} // namespace

TsuiTitleBarSection::TsuiTitleBarSection()
{
    // Also for a picture read from a stored layout straight into the object.
    connect(&picture_, &TPicture::OnChange, this, [this] {
        if (autoSize_) FitWidthToPicture();
        Changed();
    });
}

void TsuiTitleBarSection::FitWidthToPicture()
{
    if (picture_.HasGraphic()) width_ = picture_.Width();
}

void TsuiTitleBarSection::SetAutoSize(bool on)
{
    autoSize_ = on;
    FitWidthToPicture();
    Changed();
}

void TsuiTitleBarSection::SetWidth(int width)
{
    width_ = width;
    Changed();
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align)
{
    if (align == suiClient && Collection()) {
        for (QObject* item : Collection()->Items())
            if (static_cast<TsuiTitleBarSection*>(item)->align_ == suiClient) {
                if (toolkit::IsReadingLayout()) throw std::invalid_argument(OnlyOneClient.toStdString());
                toolkit::MessageBox(nullptr, OnlyOneClient, {}, TMsgIcon::Error, TMsgButtons::Ok);
                return;
            }
    }
    if (align == suiClient) stretch_ = true;
    align_ = align;
    Changed();
}

void TsuiTitleBarSection::SetPicture(const TPicture& picture)
{
    picture_.Assign(picture);
    if (autoSize_) FitWidthToPicture();
    Changed();
}

void TsuiTitleBarSection::SetStretch(bool on)
{
    stretch_ = on || align_ == suiClient;
    Changed();
}

void TsuiTitleBarSection::Assign(const TsuiTitleBarSection& source)
{
    SetWidth(source.width_);
    SetAlign(source.align_);
    SetPicture(source.picture_);
    SetStretch(source.stretch_);
    SetAutoSize(source.autoSize_);
}
