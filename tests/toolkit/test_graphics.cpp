#include "toolkit/canvas.h"
#include "toolkit/graphics.h"
#include "toolkit/resources.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QResource>
#include <QSignalSpy>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

QByteArray Png(const QImage& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

template <typename T> void Put(QByteArray& out, T value)
{
    value = qToBigEndian(value);
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// A minimal version-1 resource bundle holding /pictures/<name>, so the lookup
// is tested through the real resource system without a build-time .qrc.
QByteArray ResourceBundle(const QString& name, const QByteArray& payload)
{
    QByteArray names;
    auto addName = [&](const QString& n) {
        const auto offset = quint32(names.size());
        Put(names, quint16(n.size()));
        Put(names, quint32(qt_hash(n)));
        for (QChar c : n)
            Put(names, quint16(c.unicode()));
        return offset;
    };
    const quint32 dirName = addName(QStringLiteral("pictures"));
    const quint32 fileName = addName(name);

    QByteArray tree;
    auto directory = [&](quint32 nameOffset, quint32 children, quint32 first) {
        Put(tree, nameOffset);
        Put(tree, quint16(0x02));
        Put(tree, children);
        Put(tree, first);
    };
    directory(0, 1, 1);
    directory(dirName, 1, 2);
    Put(tree, fileName);
    Put(tree, quint16(0));
    Put(tree, quint16(0)); // country
    Put(tree, quint16(1)); // language: C
    Put(tree, quint32(0)); // data offset

    QByteArray data;
    Put(data, quint32(payload.size()));
    data += payload;

    QByteArray bundle("qres");
    const quint32 header = 20;
    Put(bundle, quint32(1));
    Put(bundle, header);                                      // tree
    Put(bundle, quint32(header + tree.size()));               // data
    Put(bundle, quint32(header + tree.size() + data.size())); // names
    return bundle + tree + data + names;
}

} // namespace

TEST(Font, HeightMapsToPixelSizeAndChangesAreNotified)
{
    TFont font;
    QSignalSpy changes(&font, &TFont::OnChange);
    font.SetHeight(-13);
    EXPECT_EQ(font.toQFont().pixelSize(), 13);
    font.SetHeight(-13); // no change, no notification
    EXPECT_EQ(changes.count(), 1);

    // A positive height is the whole cell.
    font.SetHeight(20);
    EXPECT_NEAR(QFontMetrics(font.toQFont()).height(), 20, 1);

    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);

    font.SetStyle(fsBold | fsUnderline);
    const QFont q = font.toQFont();
    EXPECT_TRUE(q.bold() && q.underline() && !q.italic());
    EXPECT_EQ(changes.count(), 4);

    TFont copy;
    QSignalSpy copyChanges(&copy, &TFont::OnChange);
    copy.Assign(font);
    copy.Assign(font);
    EXPECT_TRUE(copy.SameAs(font));
    EXPECT_EQ(copyChanges.count(), 1);
}

TEST(Bitmap, ResizingKeepsContentAndKeyColourDefaultsToBottomLeft)
{
    TBitmap bitmap(2, 2);
    QSignalSpy changes(&bitmap, &TBitmap::OnChange);
    bitmap.Canvas().SetPixel(0, 1, clRed);
    bitmap.Canvas().SetPixel(1, 0, clBlue);
    EXPECT_EQ(bitmap.TransparentColor(), clRed);

    bitmap.SetSize(3, 3);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clBlue);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 2), clWhite);
    EXPECT_EQ(bitmap.TransparentColor(), clWhite); // new bottom-left pixel
    bitmap.SetTransparentColor(clBlue);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
    EXPECT_EQ(changes.count(), 2);

    TBitmap copy;
    copy.Assign(bitmap);
    EXPECT_EQ(copy.Image(), bitmap.Image());
    EXPECT_EQ(copy.TransparentColor(), clBlue);
    copy.Canvas().SetPixel(0, 0, clBlack); // the copy is independent
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clWhite);

    TBitmap empty;
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(empty.TransparentColor(), clNone);
}

TEST(Picture, ResourcesLoadByUpperCaseNameAndMissingNamesThrow)
{
    QImage source(3, 2, QImage::Format_ARGB32);
    source.fill(QColor(10, 20, 30));
    static const QByteArray bundle = ResourceBundle(QStringLiteral("TOOLKIT_TEST_PICTURE"), Png(source));
    ASSERT_TRUE(QResource::registerResource(reinterpret_cast<const uchar*>(bundle.constData())));

    const QImage image = LoadBitmapResource(QStringLiteral("toolkit_test_picture"));
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(2, 1), qRgb(10, 20, 30));

    EXPECT_THROW(LoadBitmapResource(QString()), EResNotFound);
    try {
        LoadBitmapResource(QStringLiteral("NO_SUCH_PICTURE"));
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource NO_SUCH_PICTURE not found");
    }

    TPicture picture;
    QSignalSpy changes(&picture, &TPicture::OnChange);
    EXPECT_FALSE(picture.HasGraphic());
    picture.LoadFromResourceName(QStringLiteral("Toolkit_Test_Picture"));
    EXPECT_TRUE(picture.HasGraphic());
    EXPECT_EQ(picture.ResourceName(), QStringLiteral("TOOLKIT_TEST_PICTURE"));
    EXPECT_THROW(picture.LoadFromResourceName(QStringLiteral("MISSING")), EResNotFound);
    EXPECT_EQ(picture.ResourceName(), QStringLiteral("TOOLKIT_TEST_PICTURE")); // unchanged
    EXPECT_EQ(changes.count(), 1);

    QResource::unregisterResource(reinterpret_cast<const uchar*>(bundle.constData()));
}

TEST(Picture, DataRoundTripsAndBadDataIsRefused)
{
    TBitmap bitmap(4, 3);
    bitmap.Canvas().SetPixel(3, 2, clRed);
    TPicture picture;
    picture.Assign(bitmap);
    const QByteArray data = picture.SaveToData();

    TPicture loaded;
    ASSERT_TRUE(loaded.LoadFromData(data));
    EXPECT_EQ(loaded.Bitmap().Image(), bitmap.Image());
    EXPECT_TRUE(loaded.ResourceName().isEmpty());

    EXPECT_FALSE(loaded.LoadFromData(QByteArray("not a picture")));
    EXPECT_TRUE(loaded.HasGraphic()); // unchanged
    EXPECT_TRUE(loaded.LoadFromData(QByteArray()));
    EXPECT_FALSE(loaded.HasGraphic());
    EXPECT_TRUE(loaded.SaveToData().isEmpty());
}
