#include "designer/skinnedcontrolsplugin.h"

#include "designer/pagecontainer.h"

#include "skin/buttons/suibuttonsregistry.h"
#include "skin/controls/suicontrolsregistry.h"
#include "skin/frame/suiframeregistry.h"
#include "skin/scrolling/suiscrollingregistry.h"
#include "toolkit/component.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/stdctrls.h"

#include <QPainter>
#include <algorithm>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QPixmap>
#include <memory>

namespace {

// Every family Designer offers; a new family is one line here.
constexpr TDesignerFamily Families[] = {
    {"TsuiForm", "skin/frame/suiform.h", "Skinned window frame: title bar and border", true},
    {"TsuiButton", "skin/buttons/suibutton.h", "Skinned push button", false},
    {"TsuiImageButton", "skin/buttons/suiimagebutton.h", "Push button drawn from its own pictures", false},
    {"TsuiCheckBox", "skin/buttons/suicheckbox.h", "Skinned check box", false},
    {"TsuiRadioButton", "skin/buttons/suiradiobutton.h", "Skinned radio button", false},
    {"TsuiProgressBar", "skin/buttons/suiprogressbar.h", "Skinned progress bar", false},
    {"TsuiImagePanel", "skin/controls/suiimagepanel.h", "Panel showing a picture", true},
    {"TsuiGroupBox", "skin/controls/suigroupbox.h", "Skinned group box", true},
    {"TsuiCheckGroup", "skin/controls/suiradiogroup.h", "Group of check boxes, one per item", false},
    {"TsuiRadioGroup", "skin/controls/suiradiogroup.h", "Group of radio buttons, one per item", false},
    {"TsuiComboBox", "skin/controls/suicombobox.h", "Skinned combo box", false},
    {"TsuiFontComboBox", "skin/controls/suifontcombobox.h", "Combo box of font families", false},
    {"TsuiFontSizeComboBox", "skin/controls/suifontcombobox.h", "Combo box of font sizes", false},
    {"TsuiColorBox", "skin/controls/suicolorbox.h", "Combo box of named colours", false},
    {"TsuiEdit", "skin/controls/suiedit.h", "Edit with a flat skinned border", false},
    {"TsuiCheckListBox", "skin/controls/suichecklistbox.h", "Check list box with a flat skinned border", false},
    {"TsuiListView", "skin/controls/suilistview.h", "List view with a flat skinned border", false},
    {"TsuiTreeView", "skin/controls/suitreeview.h", "Tree view with a flat skinned border", false},
    {"TsuiDrawGrid", "skin/controls/suigrid.h", "Skinned grid drawn by its owner", false},
    {"TsuiStringGrid", "skin/controls/suigrid.h", "Skinned grid of strings", false},
    {"TsuiToolBar", "skin/controls/suitoolbar.h", "Skinned tool bar", false},
    {"TsuiTrackBar", "skin/scrolling/suitrackbar.h", "Skinned track bar", false},
    {"TsuiScrollTrackBar", "skin/scrolling/suitrackbar.h", "Track bar used as a scroll thumb", false},
    {"TsuiScrollBar", "skin/scrolling/suiscrollbar.h", "Skinned scroll bar", false},
    {"TsuiTabControl", "skin/scrolling/suitabcontrol.h", "Skinned tab control", true},
    {"TsuiPageControl", "skin/scrolling/suipagecontrol.h", "Skinned page control", true, "AddPage",
     &TPageControlContainer::Register},
    {"TsuiSideChannel", "skin/scrolling/suisidechannel.h", "Panel that slides out from a side", true},
    {"TsuiMemo", "skin/scrolling/suimemo.h", "Memo with attached skinned scroll bars", false},
    {"TsuiListBox", "skin/scrolling/suilistbox.h", "List box with an attached skinned scroll bar", false},
};

constexpr int IconSize = 32;
// Room for a sample control; a frame fills it.
constexpr QSize SampleHolderSize(400, 300);

bool Inherits(const QMetaObject* meta, const char* className)
{
    for (; meta; meta = meta->superClass())
        if (qstrcmp(meta->className(), className) == 0) return true;
    return false;
}

} // namespace

// A button or a group box dropped on a form says what it is, as Qt's own do
// ("PushButton", "GroupBox"), rather than showing an empty face.
QString TSkinnedWidgetPlugin::DefaultCaption() const
{
    const toolkit::TRegisteredClass* registered = toolkit::FindClass(name());
    if (!registered ||
        !(Inherits(registered->Meta, "TsuiCustomButton") || Inherits(registered->Meta, "TsuiCustomGroupBox")))
        return {};
    return name().mid(4);
}

TSkinnedWidgetPlugin::TSkinnedWidgetPlugin(const TDesignerFamily& family, QObject* parent)
    : QObject(parent), family_(family)
{
}

QString TSkinnedWidgetPlugin::name() const { return QString::fromLatin1(family_.ClassName); }
QString TSkinnedWidgetPlugin::group() const { return QStringLiteral("Skinned Controls"); }
QString TSkinnedWidgetPlugin::toolTip() const { return QString::fromLatin1(family_.ToolTip); }
QString TSkinnedWidgetPlugin::whatsThis() const { return toolTip(); }
QString TSkinnedWidgetPlugin::includeFile() const { return QString::fromLatin1(family_.Header); }
bool TSkinnedWidgetPlugin::isContainer() const { return family_.Container; }
bool TSkinnedWidgetPlugin::isInitialized() const { return designing_; }

// Only Designer initialises a plugin; QUiLoader creates widgets without it.
void TSkinnedWidgetPlugin::initialize(QDesignerFormEditorInterface* core)
{
    designing_ = true;
    if (!core || core == core_) return;
    core_ = core;
    if (family_.RegisterExtensions) family_.RegisterExtensions(core->extensionManager());
}

std::unique_ptr<QWidget> TSkinnedWidgetPlugin::CreateSample() const
{
    const toolkit::TRegisteredClass* registered = toolkit::FindClass(name());
    if (!registered) return nullptr;
    // Made as a child, where a control that sets no size of its own gets
    // Qt's default child size.
    auto holder = std::make_unique<QWidget>();
    holder->resize(SampleHolderSize);
    QObject* object = registered->Create(nullptr, holder.get());
    if (!qobject_cast<QWidget*>(object)) {
        delete object;
        return nullptr;
    }
    if (const QString caption = DefaultCaption(); !caption.isEmpty()) object->setProperty("Caption", caption);
    return holder;
}

QWidget* TSkinnedWidgetPlugin::createWidget(QWidget* parent)
{
    const toolkit::TRegisteredClass* registered = toolkit::FindClass(name());
    if (!registered) return nullptr;
    // At run time the parent is the owner too, as with uic-generated code (a
    // frame then takes over its window). In Designer the form being edited is
    // not the control's to take over: it is made without an owner and knows it
    // is being designed.
    QObject* object = registered->Create(designing_ ? nullptr : parent, parent);
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        delete object;
        return nullptr;
    }
    if (auto* component = dynamic_cast<toolkit::TComponent*>(widget); component && designing_)
        component->SetDesigning(true);
    return widget;
}

QIcon TSkinnedWidgetPlugin::icon() const
{
    if (!icon_.isNull()) return icon_;
    const std::unique_ptr<QWidget> holder = CreateSample();
    if (!holder) return icon_;
    // The control itself, as a dropped one looks, at its own pixels: its
    // top-left corner, centred where it is smaller than the icon. (Shrunk to
    // fit, a wide control became a grey sliver.)
    QWidget* sample = holder->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    const QPixmap face = sample->grab();
    QPixmap canvas(IconSize, IconSize);
    canvas.fill(Qt::transparent);
    const QSize shown(std::min(IconSize, face.width()), std::min(IconSize, face.height()));
    {
        QPainter painter(&canvas);
        painter.drawPixmap((IconSize - shown.width()) / 2, (IconSize - shown.height()) / 2, face, 0, 0,
                           shown.width(), shown.height());
    }
    icon_ = QIcon(canvas);
    return icon_;
}

QString TSkinnedWidgetPlugin::domXml() const
{
    // The size the constructor gives, so a dropped control looks as one made in code.
    QSize size(100, 30);
    if (const std::unique_ptr<QWidget> holder = CreateSample())
        size = holder->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly)->size();
    const QString objectName = QStringLiteral("sui") + name().mid(4);
    // A control of pages comes with two, and says how a page is added.
    QString pages, pageMethod;
    if (family_.AddPageMethod) {
        pages = QStringLiteral("  <widget class=\"QWidget\" name=\"page\"/>\n"
                               "  <widget class=\"QWidget\" name=\"page_2\"/>\n");
        pageMethod = QStringLiteral(" <customwidgets>\n"
                                    "  <customwidget>\n"
                                    "   <class>%1</class>\n"
                                    "   <extends>QWidget</extends>\n"
                                    "   <addpagemethod>%2</addpagemethod>\n"
                                    "  </customwidget>\n"
                                    " </customwidgets>\n")
                         .arg(name(), QString::fromLatin1(family_.AddPageMethod));
    }
    QString caption;
    if (const QString text = DefaultCaption(); !text.isEmpty())
        caption = QStringLiteral("  <property name=\"Caption\" stdset=\"0\">\n   <string>%1</string>\n  </property>\n")
                      .arg(text);
    return QStringLiteral("<ui language=\"c++\" displayname=\"%1\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          "%5%6"
                          " </widget>\n"
                          "%7"
                          "</ui>\n")
        .arg(name(), objectName)
        .arg(size.width())
        .arg(size.height())
        .arg(caption, pages, pageMethod);
}

TSkinnedControlsPlugin::TSkinnedControlsPlugin(QObject* parent) : QObject(parent)
{
    toolkit::RegisterStandardControls();
    RegisterSuiFrame();
    RegisterSuiButtons();
    RegisterSuiControls();
    RegisterSuiScrolling();
    for (const TDesignerFamily& family : Families)
        widgets_.append(new TSkinnedWidgetPlugin(family, this));
}
