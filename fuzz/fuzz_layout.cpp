// Reads arbitrary text as a stored layout against a few registered classes
// that cover every kind of value. Whatever reads must also write, and the
// written text must read back to the same text.
#include "toolkit/component.h"
#include "toolkit/graphics.h"
#include "toolkit/layoutreader.h"
#include "toolkit/layoutwriter.h"

#include <QApplication>
#include <QPointer>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace toolkit;

class FuzzFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name MEMBER Name)
    Q_PROPERTY(int Height MEMBER Height)
    Q_PROPERTY(Styles Style READ GetStyle WRITE SetStyle)
public:
    enum Style { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
    Q_DECLARE_FLAGS(Styles, Style)
    Q_FLAG(Styles)

    using QObject::QObject;
    Styles GetStyle() const { return style_; }
    void SetStyle(Styles style) { style_ = style; }
    QString Name = QStringLiteral("Tahoma");
    int Height = -11;

private:
    Styles style_;
};

class FuzzItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(Kind ButtonType MEMBER ButtonType)
    Q_PROPERTY(int Top MEMBER Top)
    Q_PROPERTY(QByteArray Picture MEMBER Picture)
    Q_PROPERTY(FuzzFont* Font READ Font)
public:
    enum Kind { suiMax, suiMin, suiClose };
    Q_ENUM(Kind)

    using QObject::QObject;
    FuzzFont* Font() { return &font_; }
    Kind ButtonType = suiMax;
    int Top = 2;
    QByteArray Picture;

private:
    FuzzFont font_;
};

class FuzzItems : public QObject, public TLayoutCollection {
    Q_OBJECT
public:
    using QObject::QObject;
    void ClearItems() override { qDeleteAll(children()); }
    QObject* AddItem() override { return new FuzzItem(this); }
    QList<QObject*> Items() const override { return children(); }
};

// A non-widget that cannot hold widgets.
class FuzzObject : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Interval MEMBER Interval)
    Q_PROPERTY(QString Filter MEMBER Filter)
public:
    using QObject::QObject;
    int Interval = 100;
    QString Filter;
};

class FuzzPanel : public QWidget, public TComponent, public TStoredExtras {
    Q_OBJECT
    Q_PROPERTY(int Left MEMBER Left)
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(bool Flat MEMBER Flat)
    Q_PROPERTY(Speed Mode MEMBER Mode)
    Q_PROPERTY(uint Color MEMBER Color)
    Q_PROPERTY(short Tag MEMBER Tag)
    Q_PROPERTY(QStringList Lines MEMBER Lines)
    Q_PROPERTY(QByteArray Data MEMBER Data)
    Q_PROPERTY(FuzzFont* Font READ Font)
    Q_PROPERTY(FuzzItems* Buttons READ Buttons)
    Q_PROPERTY(toolkit::TPicture* Picture READ Picture)
    Q_PROPERTY(QWidget* Partner READ Partner WRITE SetPartner)
    Q_PROPERTY(FuzzObject* Dialog READ Dialog WRITE SetDialog)
public:
    enum Speed { mdNone, mdFast, mdSlow };
    Q_ENUM(Speed)

    explicit FuzzPanel(QWidget* parent = nullptr) : QWidget(parent) {}
    FuzzFont* Font() { return &font_; }
    FuzzItems* Buttons() { return &buttons_; }
    TPicture* Picture() { return &picture_; }
    QWidget* Partner() const { return partner_; }
    void SetPartner(QWidget* partner) { partner_ = partner; }
    FuzzObject* Dialog() const { return dialog_; }
    void SetDialog(FuzzObject* dialog) { dialog_ = dialog; }

    bool ReadExtraProperty(const QString& name, const TLayoutValue& value) override
    {
        if (name != QLatin1String("Pages")) return false;
        Pages = LayoutString(value);
        return true;
    }
    void WriteExtraProperties(TLayoutWriter& writer) const override
    {
        if (!Pages.isEmpty()) writer.String(QStringLiteral("Pages"), Pages);
    }

    Q_INVOKABLE void Click() {}
    Q_INVOKABLE void Pick(QObject*, int) {}

    int Left = 0;
    QString Caption;
    bool Flat = false;
    Speed Mode = mdNone;
    uint Color = 0;
    short Tag = 0;
    QStringList Lines;
    QByteArray Data;
    QString Pages;

signals:
    void OnClick();
    void OnPick(int index);

private:
    FuzzFont font_;
    FuzzItems buttons_;
    TPicture picture_;
    QPointer<QWidget> partner_;
    QPointer<FuzzObject> dialog_;
};

// The pictures by name come from their own library. Outside the C-linkage
// entry point, whose linkage the initialiser's declaration would take.
static void RegisterSkinPictures()
{
    Q_INIT_RESOURCE(skin);
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    RegisterSkinPictures();
    RegisterClass<FuzzPanel>(QStringLiteral("TFuzzPanel"));
    RegisterClass<FuzzObject>(QStringLiteral("TFuzzObject"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    std::unique_ptr<QObject> root;
    try {
        root.reset(ReadLayout(text));
    } catch (const ELayoutError& e) {
        if (e.Line() < 1 || e.Column() < 1) std::abort(); // every reading error has a position
        return 0;
    }
    const QString written = WriteLayout(root.get());
    std::unique_ptr<QObject> again(ReadLayout(written));
    if (WriteLayout(again.get()) != written) std::abort();
    return 0;
}

#include "fuzz_layout.moc"
