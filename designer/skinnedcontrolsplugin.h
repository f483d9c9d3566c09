#pragma once
// The Qt Designer plugin of the component set: one widget interface per control
// family, all in the "Skinned Controls" group. Widgets are created through the
// class registry of stored layouts, so Designer, QUiLoader and a layout build a
// control the same way.

#include <QIcon>
#include <QObject>
#include <memory>

class QExtensionManager;
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// A control family as Designer offers it.
struct TDesignerFamily {
    const char* ClassName; // as registered for stored layouts
    const char* Header;    // what uic-generated code includes
    const char* ToolTip;
    bool Container;        // takes child widgets dropped on it
    // For a control of pages: what adds a page in uic-generated code and
    // QUiLoader, and what lets Designer add and switch them.
    const char* AddPageMethod = nullptr;
    void (*RegisterExtensions)(QExtensionManager*) = nullptr;
};

class TSkinnedWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    TSkinnedWidgetPlugin(const TDesignerFamily& family, QObject* parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    // A control as its constructor makes it, the one child of the returned
    // holder, for the icon and the default size.
    std::unique_ptr<QWidget> CreateSample() const;
    QString DefaultCaption() const;

    TDesignerFamily family_;
    bool designing_ = false;
    QDesignerFormEditorInterface* core_ = nullptr;
    mutable QIcon icon_;
};

class TSkinnedControlsPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TSkinnedControlsPlugin(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

private:
    QList<QDesignerCustomWidgetInterface*> widgets_;
};
