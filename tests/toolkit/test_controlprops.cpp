#include "toolkit/combobox.h"
#include "toolkit/control.h"
#include "toolkit/edits.h"
#include "toolkit/lists.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutregistry.h"
#include "toolkit/layoutwriter.h"
#include "toolkit/panel.h"
#include "toolkit/stdctrls.h"
#include "toolkit/toolbar.h"

#include <QApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace toolkit;

// A window read from a layout, answering the events its controls raise.
class CommonForm : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    QStringList log;
    int swallowKey = 0;

public slots:
    void PanelDblClick(QObject* sender) { log << "dblclick " + sender->objectName(); }
    void PanelMouseDown(toolkit::TMouseButton button, toolkit::TShiftState shift, int x, int y)
    {
        log << QStringLiteral("down %1 %2 %3,%4").arg(button).arg(shift.toInt()).arg(x).arg(y);
    }
    void PanelKeyDown(int& key, toolkit::TShiftState)
    {
        if (key == swallowKey) key = 0;
    }
    void PanelKeyPress(QChar& key)
    {
        log << QStringLiteral("press %1").arg(key);
        if (key == u'a') key = u'b';
    }
    void PanelResize() { log << "resize"; }
    void ControlEnter(QObject* sender) { log << "enter " + sender->objectName(); }
    void ControlClick(QObject* sender) { log << "click " + sender->objectName(); }
};

namespace {

class KeyRecorder : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    QString typed;

protected:
    void keyPressEvent(QKeyEvent* event) override { typed += event->text(); }
};

struct CommonProps : ::testing::Test {
    void SetUp() override
    {
        RegisterStandardControls();
        RegisterClass<CommonForm>(QStringLiteral("CommonForm"));
    }
};

std::unique_ptr<CommonForm> ReadForm(const QString& text)
{
    auto form = std::make_unique<CommonForm>();
    ReadLayoutInto(form.get(), text);
    return form;
}

} // namespace

// The parent grows by 100 x 50 from 200 x 100; each child follows its anchors.
TEST_F(CommonProps, AnchoredChildrenFollowTheParentsEdges)
{
    QWidget parent;
    parent.resize(200, 100);
    auto* right = new TPanel(&parent, &parent);
    right->SetBounds(140, 10, 50, 20);
    right->SetAnchors(akTop | akRight);
    auto* stretched = new TPanel(&parent, &parent);
    stretched->SetBounds(10, 10, 100, 80);
    stretched->SetAnchors(akLeft | akTop | akRight | akBottom);
    auto* centred = new TPanel(&parent, &parent);
    centred->SetBounds(80, 40, 40, 20);
    centred->SetAnchors({});
    auto* plain = new TPanel(&parent, &parent);
    plain->SetBounds(5, 5, 10, 10);
    parent.show();

    parent.resize(300, 150);
    EXPECT_EQ(right->geometry(), QRect(240, 10, 50, 20));
    EXPECT_EQ(stretched->geometry(), QRect(10, 10, 200, 130));
    EXPECT_EQ(centred->geometry(), QRect(130, 65, 40, 20));
    EXPECT_EQ(plain->geometry(), QRect(5, 5, 10, 10));

    // Many small steps back do not drift.
    for (int w = 299; w >= 200; --w) parent.resize(w, 100);
    EXPECT_EQ(right->geometry(), QRect(140, 10, 50, 20));
    EXPECT_EQ(centred->geometry(), QRect(80, 40, 40, 20));

    // Moved by its owner, the control keeps its new distance.
    right->SetLeft(100);
    parent.resize(250, 100);
    EXPECT_EQ(right->x(), 150);
}

TEST_F(CommonProps, ConstraintsBoundEveryResize)
{
    QWidget parent;
    parent.resize(200, 100);
    auto* panel = new TPanel(&parent, &parent);
    panel->SetBounds(0, 0, 50, 50);
    panel->Constraints()->SetMaxWidth(80);
    panel->Constraints()->SetMinHeight(30);
    panel->SetBounds(0, 0, 120, 10);
    EXPECT_EQ(panel->size(), QSize(80, 30));

    // Stretched by its anchors, it stops at the maximum too.
    panel->SetAnchors(akLeft | akTop | akRight);
    parent.show();
    parent.resize(400, 100);
    EXPECT_EQ(panel->width(), 80);

    // OnConstrainedResize may move the bounds, OnCanResize may refuse.
    QObject::connect(panel, &TCustomControl::OnConstrainedResize, [](int&, int&, int& maxWidth, int&) { maxWidth = 60; });
    panel->SetWidth(70);
    EXPECT_EQ(panel->width(), 60);
    QObject::connect(panel, &TCustomControl::OnCanResize, [](int&, int& h, bool& resize) { resize = h < 100; });
    panel->SetHeight(100);
    EXPECT_EQ(panel->height(), 30);
}

TEST_F(CommonProps, HintsFollowTheInheritedShowHint)
{
    TPanel parent(nullptr);
    auto* child = new TPanel(&parent, &parent);
    auto* own = new TPanel(&parent, &parent);
    child->SetHint(QStringLiteral("Short|A longer description"));
    own->SetHint(QStringLiteral("Own"));
    EXPECT_EQ(child->toolTip(), "");
    EXPECT_EQ(child->accessibleDescription(), "A longer description");

    parent.SetShowHint(true);
    EXPECT_EQ(child->toolTip(), "Short");
    EXPECT_TRUE(child->ShowHint());
    own->SetShowHint(false);
    EXPECT_FALSE(own->ParentShowHint());
    EXPECT_EQ(own->toolTip(), "");

    parent.SetShowHint(false);
    EXPECT_EQ(child->toolTip(), "");
    own->SetShowHint(true);
    EXPECT_EQ(own->toolTip(), "Own");
}

TEST_F(CommonProps, TabOrderOrdersTheFocusChainWithinEachParent)
{
    QWidget window;
    QList<TPanel*> panels;
    for (const char* name : {"a", "b", "c", "d"}) {
        auto* panel = new TPanel(&window, &window);
        panel->setObjectName(QLatin1String(name));
        panel->setFocusPolicy(Qt::StrongFocus);
        panels << panel;
    }
    panels[2]->SetTabOrder(0); // c first
    panels[0]->SetTabOrder(2); // a after b (created at 1), before d (created at 3)
    QStringList chain;
    QWidget* widget = panels[2];
    for (int i = 0; i < 4; ++i, widget = widget->nextInFocusChain())
        chain << widget->objectName();
    EXPECT_EQ(chain, QStringList({"c", "b", "a", "d"}));
}

TEST_F(CommonProps, EventsReachHandlersBoundInTheLayout)
{
    const auto form = ReadForm(QStringLiteral(R"(object Form: CommonForm
  object Panel1: TPanel
    Width = 100
    Height = 50
    OnDblClick = PanelDblClick
    OnMouseDown = PanelMouseDown
    OnResize = PanelResize
  end
end
)"));
    auto* panel = form->findChild<TPanel*>(QStringLiteral("Panel1"));
    form->show();
    form->log.clear();
    QTest::mouseDClick(panel, Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 9));
    EXPECT_TRUE(form->log.contains("dblclick Panel1")) << form->log.join(u';').toStdString();
    EXPECT_TRUE(form->log.contains(QStringLiteral("down %1 %2 7,9").arg(mbLeft).arg((ssShift | ssLeft | ssDouble).toInt())));
    form->log.clear();
    panel->SetWidth(120);
    EXPECT_EQ(form->log, QStringList({"resize"}));
}

TEST_F(CommonProps, KeyHandlersMaySwallowOrChangeTheKey)
{
    CommonForm form;
    auto* control = new KeyRecorder(&form, &form);
    QObject::connect(control, &TCustomControl::OnKeyDown, &form, &CommonForm::PanelKeyDown);
    QObject::connect(control, &TCustomControl::OnKeyPress, &form, &CommonForm::PanelKeyPress);
    form.swallowKey = Qt::Key_X;
    QTest::keyClicks(control, QStringLiteral("axc"));
    EXPECT_EQ(control->typed, "bc");
    EXPECT_EQ(form.log, QStringList({"press a", "press c"}));

    // F1 asks for the nearest help context.
    QSignalSpy help(HelpRequests(), &THelpRequests::OnHelp);
    form.setProperty("HelpContext", 42);
    QTest::keyClick(control, Qt::Key_F1);
    control->SetHelpContext(7);
    QTest::keyClick(control, Qt::Key_F1);
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help[0][0].toInt(), 42);
    EXPECT_EQ(help[1][0].toInt(), 7);
}

TEST_F(CommonProps, ContextPopupMayKeepThePopupMenuClosed)
{
    const auto form = ReadForm(QStringLiteral(R"(object Form: CommonForm
  object Menu1: TPopupMenu
    object Item1: TMenuItem
      Caption = 'Copy'
      ShortCut = 16451
    end
  end
  object Panel1: TPanel
    Width = 100
    Height = 50
    PopupMenu = Menu1
  end
end
)"));
    auto* panel = form->findChild<TPanel*>(QStringLiteral("Panel1"));
    auto* menu = form->findChild<TPopupMenu*>(QStringLiteral("Menu1"));
    ASSERT_EQ(panel->PopupMenu(), menu);
    form->show();
    bool handle = true;
    QObject::connect(panel, &TCustomControl::OnContextPopup, [&](QPoint, bool& handled) { handled = handle; });
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), panel->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(panel, &request);
    EXPECT_FALSE(menu->Popup()->isVisible());
    handle = false;
    QApplication::sendEvent(panel, &request);
    EXPECT_TRUE(menu->Popup()->isVisible());
    menu->Popup()->hide();

    // The items' shortcuts work while the window is active.
    QSignalSpy clicks(menu->findChild<TMenuItem*>(QStringLiteral("Item1")), &TMenuItem::OnClick);
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(CommonProps, CommonPropertiesRoundTripThroughLayouts)
{
    const QString text = QStringLiteral(R"(object Form: CommonForm
  object Menu1: TPopupMenu
  end
  object Panel1: TPanel
    Left = 140
    Width = 50
    Height = 20
    Anchors = [akTop, akRight]
    BiDiMode = bdRightToLeft
    ParentBiDiMode = False
    Constraints.MaxWidth = 90
    Constraints.MinHeight = 10
    Cursor = crHandPoint
    Hint = 'Tip|Longer'
    ShowHint = True
    ParentShowHint = False
    PopupMenu = Menu1
    TabOrder = 3
    HelpContext = 12
    Tag = 8589934592
  end
end
)");
    const auto form = ReadForm(text);
    auto* panel = form->findChild<TPanel*>(QStringLiteral("Panel1"));
    EXPECT_EQ(panel->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(panel->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(panel->toolTip(), "Tip");
    const QString written = WriteLayout(form.get());
    for (const char* line : {"Anchors = [akTop, akRight]", "BiDiMode = bdRightToLeft", "Constraints.MaxWidth = 90",
                             "Constraints.MinHeight = 10", "Cursor = crHandPoint", "Hint = 'Tip|Longer'",
                             "ShowHint = True", "PopupMenu = Menu1", "TabOrder = 3", "HelpContext = 12",
                             "Tag = 8589934592"})
        EXPECT_TRUE(written.contains(QLatin1String(line))) << line << "\n" << written.toStdString();
    const auto again = ReadForm(written);
    EXPECT_EQ(WriteLayout(again.get()), written);
}

TEST_F(CommonProps, ADropIsRefusedWhereOnDragOverSaysSo)
{
    QWidget window;
    auto* source = new TPanel(&window, &window);
    source->setObjectName(QStringLiteral("Source"));
    auto* target = new TPanel(&window, &window);
    auto* deaf = new TPanel(&window, &window); // no OnDragOver: takes nothing
    QObject* dropped = nullptr;
    QObject::connect(target, &TCustomControl::OnDragOver,
                     [&](QObject* from, int x, int, TDragState, bool& accept) { accept = from == source && x < 50; });
    QObject::connect(target, &TCustomControl::OnDragDrop, [&](QObject* from, int, int) { dropped = from; });

    QMimeData* data = DragData(source);
    window.show();
    const auto move = [&](QWidget* over, QPoint at) {
        QDragEnterEvent enter(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(over, &enter);
        QDragMoveEvent event(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(over, &event);
        return event.isAccepted();
    };
    EXPECT_TRUE(move(target, QPoint(10, 10)));
    EXPECT_FALSE(move(target, QPoint(60, 10)));
    EXPECT_FALSE(move(deaf, QPoint(10, 10)));

    EXPECT_TRUE(move(target, QPoint(20, 10)));
    QDropEvent drop(QPointF(20, 10), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(dropped, source);

    // Data from elsewhere never reaches the handlers.
    QMimeData foreign;
    foreign.setText(QStringLiteral("text"));
    QDragMoveEvent outside(QPoint(10, 10), Qt::MoveAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &outside);
    EXPECT_FALSE(outside.isAccepted());
    delete data;
}

TEST_F(CommonProps, DockingPropertiesLoadOnlyAtTheirDefaults)
{
    const QString layout = QStringLiteral(R"(object Form: CommonForm
  object Panel1: TPanel
    DockSite = %1
    DragKind = dkDrag
    UseDockManager = False
  end
end
)");
    EXPECT_NO_THROW(ReadForm(layout.arg(QStringLiteral("False"))));
    try {
        ReadForm(layout.arg(QStringLiteral("True")));
        ADD_FAILURE() << "a dock site was accepted";
    } catch (const ELayoutError& error) {
        EXPECT_EQ(error.Line(), 3);
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QLatin1String("DockSite"))) << error.what();
    }
}

// The controls on Qt's own widgets publish the same properties.
TEST_F(CommonProps, MemoAndListBoxAlignAnchorAndHint)
{
    const auto form = ReadForm(QStringLiteral(R"(object Form: CommonForm
  object Panel1: TPanel
    Width = 200
    Height = 100
    ShowHint = True
    object Memo1: TMemo
      Align = alTop
      Height = 40
      Hint = 'Notes'
    end
    object List1: TListBox
      Left = 120
      Top = 50
      Width = 70
      Height = 40
      Anchors = [akTop, akRight]
    end
  end
end
)"));
    auto* panel = form->findChild<TPanel*>(QStringLiteral("Panel1"));
    auto* memo = form->findChild<TMemo*>(QStringLiteral("Memo1"));
    auto* list = form->findChild<TListBox*>(QStringLiteral("List1"));
    form->show();
    EXPECT_EQ(memo->geometry(), QRect(0, 0, 200, 40));
    EXPECT_EQ(memo->toolTip(), "Notes");
    panel->SetWidth(300);
    EXPECT_EQ(memo->width(), 300);
    EXPECT_EQ(list->x(), 220);
    EXPECT_TRUE(WriteLayout(form.get()).contains(QLatin1String("Anchors = [akTop, akRight]")));
}

// The native controls keep their constraints whoever resizes them: the
// align arranger, the geometry setters, Qt's layouts.
TEST_F(CommonProps, NativeControlsKeepTheirConstraints)
{
    const auto form = ReadForm(QStringLiteral(R"(object Form: CommonForm
  object Panel1: TPanel
    Width = 200
    Height = 100
    object Memo1: TMemo
      Align = alTop
      Height = 40
      Constraints.MaxHeight = 30
    end
    object Edit1: TEdit
      Left = 10
      Top = 50
      Width = 100
      Height = 21
      Anchors = [akLeft, akTop, akRight]
      Constraints.MaxWidth = 150
      Constraints.MinWidth = 60
    end
  end
end
)"));
    auto* panel = form->findChild<TPanel*>(QStringLiteral("Panel1"));
    auto* memo = form->findChild<TMemo*>(QStringLiteral("Memo1"));
    auto* edit = form->findChild<TEdit*>(QStringLiteral("Edit1"));
    form->show();
    EXPECT_EQ(memo->geometry(), QRect(0, 0, 200, 30));
    panel->SetWidth(400); // the anchored edit stops at its maximum
    EXPECT_EQ(edit->width(), 150);
    edit->SetWidth(20);
    EXPECT_EQ(edit->width(), 60);
    edit->resize(500, 21); // Qt's own resizing
    EXPECT_EQ(edit->width(), 150);
    const QString written = WriteLayout(form.get());
    EXPECT_TRUE(written.contains(QLatin1String("Constraints.MinWidth = 60"))) << written.toStdString();
    EXPECT_EQ(WriteLayout(ReadForm(written).get()), written);

    // OnConstrainedResize may move the bounds, OnCanResize may refuse.
    QObject::connect(edit, &TCustomEdit::OnConstrainedResize, [](int&, int&, int& maxWidth, int&) { maxWidth = 90; });
    edit->SetWidth(120);
    EXPECT_EQ(edit->width(), 90);
    QObject::connect(memo, &TCustomMemo::OnCanResize, [](int&, int&, bool& resize) { resize = false; });
    memo->SetHeight(20);
    panel->SetWidth(300);
    EXPECT_EQ(memo->size(), QSize(400, 30));
}

// Qt's scroll areas get the pointer on their viewport: the events still
// come from the control, at positions in the control.
TEST_F(CommonProps, NativeControlsRaiseTheCommonEvents)
{
    const auto form = ReadForm(QStringLiteral(R"(object Form: CommonForm
  object Menu1: TPopupMenu
  end
  object Edit1: TEdit
    OnKeyPress = PanelKeyPress
    OnEnter = ControlEnter
  end
  object List1: TListBox
    Top = 30
    PopupMenu = Menu1
    OnDblClick = PanelDblClick
    OnMouseDown = PanelMouseDown
    OnKeyDown = PanelKeyDown
  end
end
)"));
    auto* edit = form->findChild<TEdit*>(QStringLiteral("Edit1"));
    auto* list = form->findChild<TListBox*>(QStringLiteral("List1"));
    auto* menu = form->findChild<TPopupMenu*>(QStringLiteral("Menu1"));
    list->Items()->Add(QStringLiteral("one"));
    form->show();
    QApplication::setActiveWindow(form.get());
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("ac"));
    EXPECT_EQ(edit->Text(), "bc");

    form->log.clear();
    const QPoint inside = list->viewport()->mapTo(list, QPoint(7, 9));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(7, 9));
    EXPECT_TRUE(form->log.contains("dblclick List1")) << form->log.join(u';').toStdString();
    EXPECT_TRUE(form->log.contains(
        QStringLiteral("down %1 %2 %3,%4").arg(mbLeft).arg((ssLeft | ssDouble).toInt()).arg(inside.x()).arg(inside.y())))
        << form->log.join(u';').toStdString();

    // A swallowed key never moves the current item.
    list->SetItemIndex(0);
    list->Items()->Add(QStringLiteral("two"));
    form->swallowKey = Qt::Key_Down;
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 0);

    // The stored menu replaces the list's own; a request on the viewport
    // opens it.
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), list->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list->viewport(), &request);
    EXPECT_TRUE(menu->Popup()->isVisible());
    menu->Popup()->hide();
}

TEST_F(CommonProps, ListBoxesDragAndDropBetweenThemselves)
{
    QWidget window;
    auto* source = new TListBox(&window, &window);
    source->setObjectName(QStringLiteral("Source"));
    source->SetDragMode(dmAutomatic);
    auto* target = new TListBox(&window, &window);
    target->SetLeft(150);
    QObject* dropped = nullptr;
    QPoint droppedAt;
    QObject::connect(target, &TListBox::OnDragOver,
                     [&](QObject* from, int, int, TDragState, bool& accept) { accept = from == source; });
    QObject::connect(target, &TListBox::OnDragDrop, [&](QObject* from, int x, int y) {
        dropped = from;
        droppedAt = QPoint(x, y);
    });
    window.show();

    QMimeData* data = DragData(source);
    QWidget* over = target->viewport();
    QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(over, &enter);
    QDragMoveEvent move(QPoint(10, 10), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(over, &move);
    EXPECT_TRUE(move.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(over, &drop);
    EXPECT_EQ(dropped, source);
    EXPECT_EQ(droppedAt, over->mapTo(target, QPoint(10, 10)));
    delete data;
}

// The stored order holds among controls on Qt's widgets too.
TEST_F(CommonProps, TabOrderAmongNativeControlsFollowsTheLayout)
{
    const auto form = ReadForm(QStringLiteral(R"(object Form: CommonForm
  object Edit1: TEdit
    TabOrder = 2
  end
  object Memo1: TMemo
    TabOrder = 0
  end
  object List1: TListBox
    TabOrder = 1
  end
  object Edit2: TEdit
  end
end
)"));
    form->show();
    QApplication::setActiveWindow(form.get());
    auto* memo = form->findChild<TMemo*>(QStringLiteral("Memo1"));
    memo->setFocus();
    QStringList chain;
    for (int i = 0; i < 4; ++i) {
        chain << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(chain, QStringList({"Memo1", "List1", "Edit1", "Edit2"}));
}

TEST_F(CommonProps, MemoTakesTabsAndReturnsOnlyWhenItWantsThem)
{
    QWidget window;
    auto* memo = new TMemo(&window, &window);
    auto* after = new TMemo(&window, &window);
    window.show();
    QApplication::setActiveWindow(&window);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    EXPECT_EQ(memo->Text(), "");

    memo->SetWantTabs(true);
    memo->SetWantReturns(false);
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("a\tb"));
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->Text(), "a\tb");
    QTest::keyClick(memo, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(memo->Text(), "a\tb\n");
}

// The label and the tool button keep the same properties and raise the
// same events as the other controls.
TEST_F(CommonProps, LabelAndToolButtonTakeTheCommonPropertiesAndEvents)
{
    const QString text = QStringLiteral(R"(object Form: CommonForm
  object Menu1: TPopupMenu
  end
  object Label1: TLabel
    Left = 150
    Top = 60
    Anchors = [akRight, akBottom]
    Caption = 'Name'
    Hint = 'Your name'
    ShowHint = True
    PopupMenu = Menu1
    OnMouseDown = PanelMouseDown
  end
  object Bar1: TToolBar
    ShowHint = True
    object Button1: TToolButton
      Hint = 'Open|Opens a file'
      Tag = 5
      OnMouseDown = PanelMouseDown
      OnClick = ControlClick
    end
  end
end
)");
    const auto form = ReadForm(text);
    auto* label = form->findChild<TLabel*>(QStringLiteral("Label1"));
    auto* button = form->findChild<TToolButton*>(QStringLiteral("Button1"));
    auto* menu = form->findChild<TPopupMenu*>(QStringLiteral("Menu1"));
    EXPECT_EQ(label->toolTip(), "Your name");
    EXPECT_EQ(button->toolTip(), "Open");
    EXPECT_EQ(button->accessibleDescription(), "Opens a file");
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    form->show();

    const QPoint before = label->pos();
    form->resize(form->width() + 50, form->height() + 20);
    EXPECT_EQ(label->pos(), before + QPoint(50, 20));

    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(form->log, QStringList({QStringLiteral("down %1 %2 3,4").arg(mbLeft).arg(int(ssLeft)),
                                      QStringLiteral("down %1 %2 5,6").arg(mbLeft).arg(int(ssLeft)),
                                      "click Button1"}));

    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(label, &request);
    EXPECT_TRUE(menu->Popup()->isVisible());
    menu->Popup()->hide();

    const QString written = WriteLayout(form.get());
    for (const char* line : {"Anchors = [akRight, akBottom]", "Hint = 'Your name'", "PopupMenu = Menu1",
                             "Hint = 'Open|Opens a file'", "Tag = 5", "OnClick = ControlClick"})
        EXPECT_TRUE(written.contains(QLatin1String(line))) << line << "\n" << written.toStdString();
    EXPECT_EQ(WriteLayout(ReadForm(written).get()), written);
}

// Without TabStop, Tab passes a control by, but a click still focuses it.
TEST_F(CommonProps, TabStopLeavesAControlOutOfTheTabChainOnly)
{
    const auto form = ReadForm(QStringLiteral(R"(object Form: CommonForm
  object Edit1: TEdit
  end
  object List1: TListBox
    Top = 30
    TabStop = False
  end
  object Combo1: TComboBox
    Top = 130
  end
end
)"));
    auto* edit = form->findChild<TEdit*>(QStringLiteral("Edit1"));
    auto* list = form->findChild<TListBox*>(QStringLiteral("List1"));
    auto* combo = form->findChild<TComboBox*>(QStringLiteral("Combo1"));
    form->show();
    QApplication::setActiveWindow(form.get());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), combo);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(QApplication::focusWidget(), list);

    list->SetTabStop(true);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_TRUE(WriteLayout(form.get()).indexOf(QLatin1String("TabStop")) < 0);
    list->SetTabStop(false);
    EXPECT_TRUE(WriteLayout(form.get()).contains(QLatin1String("TabStop = False")));
}

// What is typed into an editable combo box goes through its key events.
TEST_F(CommonProps, EditableComboBoxRaisesKeyEventsForItsEdit)
{
    const auto form = ReadForm(QStringLiteral(R"(object Form: CommonForm
  object Combo1: TComboBox
    OnKeyDown = PanelKeyDown
    OnKeyPress = PanelKeyPress
  end
end
)"));
    auto* combo = form->findChild<TComboBox*>(QStringLiteral("Combo1"));
    form->show();
    QApplication::setActiveWindow(form.get());
    combo->setFocus();
    form->swallowKey = Qt::Key_X;
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("axc"));
    EXPECT_EQ(combo->Text(), "bc");
    EXPECT_EQ(form->log, QStringList({"press a", "press c"}));
}

// The controls on Qt's widgets read right to left as the others do: their
// own mode, or their parent's.
TEST_F(CommonProps, NativeControlsTakeTheReadingOrder)
{
    const QString text = QStringLiteral(R"(object Form: CommonForm
  object Panel1: TPanel
    BiDiMode = bdRightToLeft
    ParentBiDiMode = False
    object Edit1: TEdit
    end
  end
  object Edit2: TEdit
    BiDiMode = bdRightToLeft
    ParentBiDiMode = False
  end
  object Combo1: TComboBox
  end
end
)");
    const auto form = ReadForm(text);
    auto* panel = form->findChild<TPanel*>(QStringLiteral("Panel1"));
    auto* inner = form->findChild<TEdit*>(QStringLiteral("Edit1"));
    auto* own = form->findChild<TEdit*>(QStringLiteral("Edit2"));
    auto* combo = form->findChild<TComboBox*>(QStringLiteral("Combo1"));
    EXPECT_EQ(inner->BiDiMode(), bdRightToLeft);
    EXPECT_EQ(inner->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(own->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(combo->layoutDirection(), Qt::LeftToRight);

    panel->SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(inner->BiDiMode(), bdLeftToRight);
    EXPECT_EQ(inner->layoutDirection(), Qt::LeftToRight);
    combo->setParent(panel);
    panel->SetBiDiMode(bdRightToLeftReadingOnly);
    EXPECT_EQ(combo->BiDiMode(), bdRightToLeftReadingOnly);
    panel->SetBiDiMode(bdLeftToRight);

    const QString written = WriteLayout(form.get());
    EXPECT_EQ(written.count(QLatin1String("BiDiMode = bdRightToLeft")), 1) << written.toStdString();
    EXPECT_EQ(WriteLayout(ReadForm(written).get()), written);
}

#include "test_controlprops.moc"
