#include "gallery/stockpage.h"

#include "skin/style/skinnedstyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TStockPage::TStockPage(QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    setWindowTitle(tr("Stock Qt widgets"));
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Open..."))->setShortcut(QKeySequence::Open);
    QAction* saved = file->addAction(tr("&Autosave"));
    saved->setCheckable(true);
    saved->setChecked(true);
    file->addMenu(tr("&Recent"))->addAction(tr("gallery.txt"));
    file->addSeparator();
    file->addAction(tr("E&xit"), this, &QWidget::close);
    menuBar()->addMenu(tr("&Help"))->addAction(tr("&About"));

    QToolBar* tools = addToolBar(tr("Tools"));
    tools->addAction(tr("New"));
    tools->addAction(tr("Open"));
    QAction* bold = tools->addAction(tr("Bold"));
    bold->setCheckable(true);
    bold->setChecked(true);

    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    grid->addWidget(Buttons(), 0, 0);
    grid->addWidget(Ranges(), 0, 1);
    grid->addWidget(Fields(), 1, 0, 1, 2);
    setCentralWidget(central);
    statusBar()->showMessage(tr("Ready"));
    statusBar()->setSizeGripEnabled(true);
}

QWidget* TStockPage::Buttons()
{
    auto* box = new QGroupBox(tr("Buttons"));
    auto* layout = new QGridLayout(box);
    auto* push = new QPushButton(tr("Push"));
    auto* preferred = new QPushButton(tr("Default"));
    preferred->setDefault(true);
    auto* flat = new QPushButton(tr("Flat"));
    flat->setFlat(true);
    auto* off = new QPushButton(tr("Disabled"));
    off->setEnabled(false);
    layout->addWidget(push, 0, 0);
    layout->addWidget(preferred, 0, 1);
    layout->addWidget(flat, 1, 0);
    layout->addWidget(off, 1, 1);
    auto* checked = new QCheckBox(tr("Checked"));
    checked->setChecked(true);
    auto* partial = new QCheckBox(tr("Partly"));
    partial->setTristate(true);
    partial->setCheckState(Qt::PartiallyChecked);
    auto* offBox = new QCheckBox(tr("Disabled"));
    offBox->setEnabled(false);
    layout->addWidget(checked, 2, 0);
    layout->addWidget(partial, 2, 1);
    layout->addWidget(offBox, 3, 0);
    layout->addWidget(new QCheckBox(tr("Unchecked")), 3, 1);
    auto* first = new QRadioButton(tr("First"));
    first->setChecked(true);
    layout->addWidget(first, 4, 0);
    layout->addWidget(new QRadioButton(tr("Second")), 4, 1);
    auto* tool = new QToolButton;
    tool->setText(tr("Tool"));
    tool->setPopupMode(QToolButton::MenuButtonPopup);
    tool->setMenu(new QMenu(tool));
    tool->menu()->addAction(tr("More"));
    layout->addWidget(tool, 5, 0);
    auto* checkable = new QGroupBox(tr("Checkable"));
    checkable->setCheckable(true);
    (new QVBoxLayout(checkable))->addWidget(new QLineEdit(tr("inside")));
    layout->addWidget(checkable, 6, 0, 1, 2);
    return box;
}

QWidget* TStockPage::Ranges()
{
    auto* box = new QGroupBox(tr("Ranges"));
    auto* layout = new QGridLayout(box);
    auto* progress = new QProgressBar;
    progress->setValue(60);
    progress->setTextVisible(false);
    auto* upright = new QProgressBar;
    upright->setOrientation(Qt::Vertical);
    upright->setValue(40);
    upright->setTextVisible(false);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 10);
    slider->setValue(3);
    slider->setTickPosition(QSlider::TicksBelow);
    auto* standing = new QSlider(Qt::Vertical);
    standing->setRange(0, 10);
    standing->setValue(7);
    auto* bar = new QScrollBar(Qt::Horizontal);
    bar->setRange(0, 30);
    bar->setPageStep(10);
    bar->setValue(10);
    auto* column = new QScrollBar(Qt::Vertical);
    column->setRange(0, 30);
    column->setPageStep(10);
    layout->addWidget(progress, 0, 0);
    layout->addWidget(slider, 1, 0);
    layout->addWidget(bar, 2, 0);
    auto* spin = new QSpinBox;
    spin->setValue(42);
    layout->addWidget(spin, 3, 0);
    auto* mdi = new QMdiArea;
    QMdiSubWindow* window = mdi->addSubWindow(new QTextEdit(tr("A document")));
    window->setWindowTitle(tr("Document"));
    window->resize(160, 80);
    mdi->setMinimumHeight(100);
    layout->addWidget(mdi, 4, 0);
    layout->addWidget(upright, 0, 1, 5, 1);
    layout->addWidget(standing, 0, 2, 5, 1);
    layout->addWidget(column, 0, 3, 5, 1);
    return box;
}

QWidget* TStockPage::Fields()
{
    auto* tabs = new QTabWidget;
    auto* edits = new QWidget;
    auto* layout = new QGridLayout(edits);
    layout->addWidget(new QLineEdit(tr("A line")), 0, 0);
    auto* choice = new QComboBox;
    choice->addItems({tr("One"), tr("Two"), tr("Three")});
    layout->addWidget(choice, 0, 1);
    auto* editable = new QComboBox;
    editable->setEditable(true);
    editable->addItems({tr("Typed"), tr("Chosen")});
    layout->addWidget(editable, 0, 2);
    auto* tree = new QTreeWidget;
    tree->setHeaderLabels({tr("Name"), tr("Value")});
    auto* item = new QTreeWidgetItem(tree, {tr("Gamma"), tr("2.2")});
    new QTreeWidgetItem(item, {tr("Red"), tr("1.0")});
    tree->expandAll();
    tree->setMaximumHeight(90);
    layout->addWidget(tree, 1, 0, 1, 2);
    auto* text = new QTextEdit(tr("Some text"));
    text->setMaximumHeight(90);
    layout->addWidget(text, 1, 2);
    tabs->addTab(edits, tr("Fields"));
    tabs->addTab(new QWidget, tr("Empty"));
    return tabs;
}

// A widget keeps the style it is given; its children do not inherit it, so
// each is given it (menus and sub-windows too: they are children).
void TStockPage::ApplyStyle(TsuiUIStyle style)
{
    SkinnedStyle*& skinned = styles_[style];
    if (!skinned) {
        skinned = new SkinnedStyle(style);
        skinned->setParent(this);
    }
    style_ = style;
    setStyle(skinned);
    for (QWidget* widget : findChildren<QWidget*>()) widget->setStyle(skinned);
    setPalette(skinned->standardPalette());
}
