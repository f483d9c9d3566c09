#pragma once
// Pictures in stored layouts. A picture holds either a compiled-in picture by
// name or image data of its own:
//   Picture.ResourceName = 'WINXP_PROGRESSBAR'
//   Picture.Data = { 89504E47... }     (PNG or BMP bytes; {} is no picture)
// A bitmap (a button's glyph) holds image data only:
//   Glyph.Data = { 89504E47... }

#include "toolkit/graphics.h"
#include "toolkit/layouttree.h"

namespace toolkit {

// False when `name` is not a picture value.
bool ReadPictureProperty(TPicture& picture, const QString& name, const TLayoutValue& value);
void WritePictureProperties(const TPicture& picture, TLayoutWriter& writer);
bool ReadBitmapProperty(TBitmap& bitmap, const QString& name, const TLayoutValue& value);
void WriteBitmapProperties(const TBitmap& bitmap, TLayoutWriter& writer);

} // namespace toolkit
