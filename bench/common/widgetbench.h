#pragma once

// Runs the registered benchmarks inside an offscreen application with the
// same fixed style and fonts as the tests, so skinned and plain widgets are
// measured under equal conditions.
int RunWidgetBenchmarks(int argc, char** argv);

class QImage;
class QPushButton;
class QString;

// The compiled-in MacOS push-button picture, or an 84 x 23 stand-in when the
// build has none.
QImage MacOSButtonPicture();
// What a Qt developer would reach for instead of a skinned button: a
// style-sheet border-image of the same picture, sliced as SpitDraw slices it.
// The picture is saved to `path`, which must outlive the button's paints.
void SkinWithBorderImage(QPushButton& button, const QImage& picture, const QString& path);
