#include "skin/controls/suicontrolsregistry.h"
#include "skin/controls/suigrid.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

QRgb Rgb(TColor color)
{
    return ColorToQColor(color).rgb();
}

struct ProbeGrid : TsuiStringGrid {
    using TsuiStringGrid::DrawCell;
    using TsuiStringGrid::TsuiStringGrid;
};

// The colours of the rectangle's pixels.
QSet<QRgb> ColoursIn(const QImage& image, const QRect& rect)
{
    QSet<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

TEST(TsuiGrid, StyleColoursAndCustomKeepsThem)
{
    QWidget form;
    TsuiStringGrid grid(&form, &form);
    grid.SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(Rgb(grid.BorderColor()), qRgb(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(Rgb(grid.FixedColor()), qRgb(0x39, 0x73, 0xC4));
    EXPECT_EQ(Rgb(grid.FixedFontColor()), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(Rgb(grid.Color()), qRgb(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(Rgb(grid.FontColor()), qRgb(0, 0, 0));
    EXPECT_EQ(grid.FocusedColor(), TColor(0x008000));
    EXPECT_EQ(grid.SelectedColor(), TColor(0x00FFFF));
    EXPECT_FALSE(grid.Ctl3D());

    grid.SetColor(0x123456);
    grid.SetUIStyle(TsuiUIStyle::Custom);
    EXPECT_EQ(grid.Color(), TColor(0x123456));
    EXPECT_EQ(Rgb(grid.BorderColor()), qRgb(0x7F, 0x7F, 0x7F));

    // A container passes its style on to both grids.
    TsuiDrawGrid drawGrid(&form, &form);
    ContainerApplyUIStyle(&form, TsuiUIStyle::WinXP);
    EXPECT_EQ(grid.UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(drawGrid.UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(drawGrid.Color(), GetThemeColor(TsuiUIStyle::WinXP, teControlColor));
}

TEST(TsuiGrid, CellsAreFilledByStateAndFocusedWins)
{
    QWidget form;
    ProbeGrid grid(&form, &form);
    grid.SetUIStyle(TsuiUIStyle::MacOS);
    QImage image(40, 20, QImage::Format_RGB32);
    TCanvas canvas(&image);
    const TRect cell = Rect(0, 0, 40, 20);
    const auto fillOf = [&](TGridDrawState state) {
        image.fill(Qt::magenta);
        grid.DrawCell(canvas, 1, 1, cell, state);
        return image.pixel(39, 19);
    };
    EXPECT_EQ(fillOf(0), Rgb(grid.Color()));
    EXPECT_EQ(fillOf(gdSelected), Rgb(grid.SelectedColor()));
    EXPECT_EQ(fillOf(gdFocused), Rgb(grid.FocusedColor()));
    EXPECT_EQ(fillOf(gdSelected | gdFocused), Rgb(grid.FocusedColor()));
}

TEST(TsuiGrid, PaintsFixedTextOnceInTheFixedFontColourAndTheFlatBorder)
{
    QWidget form;
    form.resize(400, 200);
    TsuiStringGrid grid(&form, &form);
    grid.SetUIStyle(TsuiUIStyle::MacOS);
    grid.setGeometry(0, 0, 340, 130);
    grid.SetCells(0, 1, QStringLiteral("Fixed"));
    grid.SetCells(1, 1, QStringLiteral("Cell"));
    form.show();
    const QImage image = grid.grab().toImage();
    EXPECT_EQ(image.pixel(0, 0), Rgb(grid.BorderColor()));

    // Cells lie inside the one-pixel border, each followed by its grid line.
    const auto cellRect = [&](int col, int row) {
        const TRect r = grid.CellRect(col, row);
        return QRect(r.Left + 1, r.Top + 1, r.Width(), r.Height());
    };
    const QRect fixedCell = cellRect(0, 1);
    EXPECT_EQ(fixedCell, QRect(1, 1 + 25, 64, 24));
    const QSet<QRgb> fixedColours = ColoursIn(image, fixedCell);
    EXPECT_EQ(fixedColours, (QSet<QRgb>{Rgb(grid.FixedColor()), qRgb(0xFF, 0xFF, 0xFF)}))
        << "text only in the fixed font colour";
    const QSet<QRgb> cellColours = ColoursIn(image, cellRect(1, 1));
    EXPECT_EQ(cellColours, (QSet<QRgb>{Rgb(grid.Color()), qRgb(0, 0, 0)}));
    EXPECT_EQ(image.pixel(fixedCell.right() + 1, fixedCell.top()), qRgb(0, 0, 0)) << "fixed grid line";
}

TEST(TsuiGrid, StoredLayoutRoundTrip)
{
    RegisterSuiControls();
    QWidget form;
    auto* grid = new TsuiStringGrid(&form, &form);
    grid->setObjectName(QStringLiteral("suiStringGrid1"));
    grid->SetUIStyle(TsuiUIStyle::Protein);
    grid->SetColCount(7);
    grid->SetFixedRows(2);
    grid->SetOptions(TGridOptions(goEditing | goRowSelect));
    grid->SetSelectedColor(0x00AA00);
    const QString text = WriteLayout(grid);
    std::unique_ptr<QObject> read(ReadLayout(text));
    auto* copy = qobject_cast<TsuiStringGrid*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ColCount(), 7);
    EXPECT_EQ(copy->FixedRows(), 2);
    EXPECT_EQ(copy->Options(), TGridOptions(goEditing | goRowSelect));
    EXPECT_EQ(copy->SelectedColor(), TColor(0x00AA00));
    EXPECT_EQ(copy->Color(), grid->Color());
    EXPECT_EQ(WriteLayout(copy), text);
}
