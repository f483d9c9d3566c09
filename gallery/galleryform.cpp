#include "gallery/galleryform.h"

#include "gallery/stockpage.h"
#include "skin/buttons/suibuttonsregistry.h"
#include "skin/buttons/suiradiobutton.h"
#include "skin/controls/suichecklistbox.h"
#include "skin/controls/suicontrolsregistry.h"
#include "skin/controls/suigrid.h"
#include "skin/controls/suilistview.h"
#include "skin/controls/suitreeview.h"
#include "skin/controls/suiradiogroup.h"
#include "skin/frame/suiform.h"
#include "skin/frame/suiframeregistry.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "skin/themes/suiskins.h"
#include "toolkit/layoutreader.h"
#include "toolkit/lists.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QImage>
#include <QMetaEnum>
#include <QPainter>
#include <QTemporaryFile>
#include <algorithm>
#include <stdexcept>

QList<TsuiUIStyle> ShownStyles()
{
    QList<TsuiUIStyle> styles(GalleryStyles.begin(), GalleryStyles.end());
    for (const QString& name : SkinNames())
        if (const TsuiUIStyle style = SkinStyle(name); !styles.contains(style)) styles << style;
    return styles;
}

QString StyleName(TsuiUIStyle style)
{
    if (const char* key = QMetaEnum::fromType<TsuiUIStyle>().valueToKey(static_cast<int>(style)))
        return QLatin1String(key);
    return SkinName(style);
}

namespace {

// The style choices are named after their style: the radio buttons
// "styleWinXP", the menu items "mnuStyleWinXP".
QString ChoiceName(TsuiUIStyle style)
{
    return QStringLiteral("style") + StyleName(style);
}

QString MenuChoiceName(TsuiUIStyle style)
{
    return QStringLiteral("mnuStyle") + StyleName(style);
}

// What a layout cannot store: item states and grid cells.
void FillWhatLayoutsCannotStore(QObject& form)
{
    if (auto* group = form.findChild<TsuiCheckGroup*>(QStringLiteral("grpCheckGroup"))) group->SetChecked(0, true);
    if (auto* options = form.findChild<TsuiCheckListBox*>(QStringLiteral("clbOptions"))) {
        options->SetChecked(0, true);
        options->SetChecked(2, true);
    }
    if (auto* sheet = form.findChild<TsuiStringGrid*>(QStringLiteral("grdSheet"))) {
        // More cells than the grid shows: its fixed row and column stay while
        // the rest scrolls.
        const QStringList months = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
                                    QStringLiteral("Apr")};
        const QStringList fruits = {QStringLiteral("Apples"), QStringLiteral("Pears"),  QStringLiteral("Plums"),
                                    QStringLiteral("Cherries"), QStringLiteral("Figs"), QStringLiteral("Grapes"),
                                    QStringLiteral("Lemons"), QStringLiteral("Limes"),  QStringLiteral("Melons"),
                                    QStringLiteral("Peaches"), QStringLiteral("Quinces")};
        for (int col = 1; col <= months.size(); ++col) sheet->SetCells(col, 0, months[col - 1]);
        for (int row = 1; row <= fruits.size(); ++row) {
            sheet->SetCells(0, row, fruits[row - 1]);
            for (int col = 1; col <= months.size(); ++col) sheet->SetCells(col, row, QString::number(row * 10 + col));
        }
    }
}

} // namespace

void RegisterGalleryClasses()
{
    toolkit::RegisterStandardControls();
    RegisterSuiFrame();
    RegisterSuiButtons();
    RegisterSuiControls();
    RegisterSuiScrolling();
    toolkit::RegisterClass(QStringLiteral("TGalleryForm"), &TGalleryForm::staticMetaObject,
                           [](QObject*, QObject*) { return new TGalleryForm(TGalleryForm::Blank); });
}

TGalleryForm::TGalleryForm(TContents contents, QWidget* parent) : TForm(parent)
{
    Q_INIT_RESOURCE(gallery);
    RegisterGalleryClasses();
    if (contents == Blank) return;
    toolkit::ReadLayoutInto(this, toolkit::StoredLayout(QStringLiteral(":/layouts/gallery.txt")));
    FillWhatLayoutsCannotStore(*this);
    AddPackChoices();
}

// The layout holds the built-in styles' choices; a loaded pack's go after
// them, the radio buttons spread evenly over their row.
void TGalleryForm::AddPackChoices()
{
    const QList<TsuiUIStyle> styles = ShownStyles();
    if (styles.size() == qsizetype(GalleryStyles.size())) return;
    auto* last = findChild<TsuiRadioButton*>(ChoiceName(GalleryStyles.back()));
    auto* lastItem = findChild<toolkit::TMenuItem*>(MenuChoiceName(GalleryStyles.back()));
    if (!last || !lastItem) return;
    for (TsuiUIStyle style : styles.mid(qsizetype(GalleryStyles.size()))) {
        auto* choice = new TsuiRadioButton(this, last->parentWidget());
        choice->setObjectName(ChoiceName(style));
        const QString caption = StyleName(style).replace(0, 1, StyleName(style).at(0).toUpper());
        choice->SetCaption(caption);
        choice->setGeometry(last->geometry());
        connect(choice, &TsuiRadioButton::OnClick, this, [this, choice] { StyleClick(choice); });
        auto* item = new toolkit::TMenuItem(this);
        item->setObjectName(MenuChoiceName(style));
        item->SetCaption(caption);
        lastItem->ParentNode()->Insert(lastItem->ParentNode()->IndexOf(lastItem) + 1, item);
        connect(item, &toolkit::TMenuItem::OnClick, this, [this, item] { StyleClick(item); });
        lastItem = item;
    }
    const int left = findChild<TsuiRadioButton*>(ChoiceName(GalleryStyles.front()))->x();
    const int step = (last->parentWidget()->width() - 2 * left) / int(styles.size());
    for (qsizetype i = 0; i < styles.size(); ++i)
        if (auto* choice = findChild<TsuiRadioButton*>(ChoiceName(styles[i]))) choice->move(left + int(i) * step, choice->y());
}

TsuiForm* TGalleryForm::Frame() const
{
    return findChild<TsuiForm*>(QString(), Qt::FindDirectChildrenOnly);
}

TStockPage* TGalleryForm::StockPage()
{
    if (!stockPage_) {
        stockPage_ = new TStockPage(this);
        if (TsuiForm* frame = Frame()) stockPage_->ApplyStyle(frame->UIStyle());
    }
    return stockPage_;
}

void TGalleryForm::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    if (Frame()) StockPage()->show();
}

void TGalleryForm::ApplyStyle(TsuiUIStyle style)
{
    if (TsuiForm* frame = Frame()) frame->SetUIStyle(style);
    if (stockPage_) stockPage_->ApplyStyle(style);
    if (auto* choice = findChild<TsuiRadioButton*>(ChoiceName(style))) choice->SetChecked(true);
    // Menu items check alone; the style's is the one checked.
    for (TsuiUIStyle each : ShownStyles())
        if (auto* item = findChild<toolkit::TMenuItem*>(MenuChoiceName(each))) item->SetChecked(each == style);
}

void TGalleryForm::StyleClick(QObject* Sender)
{
    if (!Sender) return;
    for (TsuiUIStyle style : ShownStyles())
        if (Sender->objectName() == ChoiceName(style) || Sender->objectName() == MenuChoiceName(style))
            return ApplyStyle(style);
}

void TGalleryForm::NextStyleClick()
{
    const TsuiForm* frame = Frame();
    if (!frame) return;
    const QList<TsuiUIStyle> styles = ShownStyles();
    const qsizetype current = styles.indexOf(frame->UIStyle());
    ApplyStyle(styles[(current + 1) % styles.size()]); // after none, or after the last, the first
}

void TGalleryForm::ExitClick()
{
    close();
}

void TGalleryForm::ListDragOver(QObject* Source, int, int, toolkit::TDragState, bool& Accept)
{
    Accept = Source != sender() && qobject_cast<toolkit::TCustomListBox*>(Source);
}

void TGalleryForm::ListDragDrop(QObject* Source, int X, int Y)
{
    auto* from = qobject_cast<toolkit::TCustomListBox*>(Source);
    auto* to = qobject_cast<toolkit::TCustomListBox*>(sender());
    if (!from || !to || from == to || from->ItemIndex() < 0) return;
    const QString item = from->Items()->Strings(from->ItemIndex());
    from->Items()->Delete(from->ItemIndex());
    const int at = to->row(to->itemAt(to->viewport()->mapFrom(to, QPoint(X, Y))));
    if (at < 0) {
        to->SetItemIndex(to->Items()->Add(item));
    } else {
        to->Items()->Insert(at, item);
        to->SetItemIndex(at);
    }
}

void ChooseOffscreenPlatform()
{
    // The platform reads its screens from a file when it starts; the file
    // lives as long as the program.
    static const QByteArray platform = [] {
        static QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/gallery-screens-XXXXXX.json"));
        if (!screens.open() ||
            screens.write(R"({"screens": [{"name": "Gallery", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
                          R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.0}]})") < 0 ||
            !screens.flush())
            throw std::runtime_error("cannot describe the offscreen screen in " + screens.fileName().toStdString());
        return "offscreen:configfile=" + QFile::encodeName(screens.fileName());
    }();
    qputenv("QT_QPA_PLATFORM", platform);
}

QImage WindowPicture(QWidget& window)
{
    QImage picture = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRegion shape = window.mask();
    if (shape.isEmpty()) return picture;
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setClipRegion(QRegion(picture.rect()).subtracted(shape));
    painter.fillRect(picture.rect(), Qt::transparent);
    return picture;
}

QStringList WriteScreenshots(TGalleryForm& form, const QString& directory)
{
    QStringList stockPictures;
    const QStringList written = WriteScreenshots(form, directory, QStringLiteral("gallery"), [&](TsuiUIStyle style) {
        form.ApplyStyle(style);
        QApplication::processEvents();
        const QString stock =
            QDir(directory).filePath(QStringLiteral("gallery-stock-%1.png").arg(StyleName(style).toLower()));
        // No caret: a focused edit of the page would blink into the picture.
        if (QWidget* focused = form.StockPage()->focusWidget()) focused->clearFocus();
        if (!form.StockPage()->grab().save(stock)) throw std::runtime_error("cannot write " + stock.toStdString());
        stockPictures << stock;
    });
    QStringList both; // each style's window, then its stock page
    for (qsizetype i = 0; i < written.size(); ++i) both << written[i] << stockPictures.value(i);
    return both;
}

QStringList WriteScreenshots(QWidget& form, const QString& directory, const QString& name,
                             const std::function<void(TsuiUIStyle)>& applyStyle)
{
    if (!QDir().mkpath(directory))
        throw std::runtime_error("cannot create " + directory.toStdString());
    // The pointer rests beside the window, so that nothing shows hovered.
    form.move(0, 0);
    QCursor::setPos(form.width() + 10, form.height() + 10);
    form.show();
    QApplication::processEvents(); // the window is activated and a control takes the focus
    QStringList written;
    for (TsuiUIStyle style : ShownStyles()) {
        applyStyle(style);
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        QApplication::processEvents();
        const QString path = QDir(directory).filePath(QStringLiteral("%1-%2.png").arg(name, StyleName(style).toLower()));
        if (!WindowPicture(form).save(path))
            throw std::runtime_error("cannot write " + path.toStdString());
        written << path;
    }
    return written;
}
