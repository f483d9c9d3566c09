#pragma once
// Lets Qt Designer add, remove and switch a page control's pages. Designer
// makes each page a plain widget; the page control puts it on a sheet of its
// own (TsuiPageControl::AddPage), and Designer sees the plain widgets only.

#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QExtensionFactory>

class QExtensionManager;
class TsuiPageControl;

class TPageControlContainer : public QObject, public QDesignerContainerExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerContainerExtension)

public:
    TPageControlContainer(TsuiPageControl* pages, QExtensionManager* manager, QObject* parent);

    int count() const override;
    QWidget* widget(int index) const override;
    int currentIndex() const override;
    void setCurrentIndex(int index) override;
    bool canAddWidget() const override { return true; }
    void addWidget(QWidget* page) override;
    void insertWidget(int index, QWidget* page) override;
    bool canRemove(int) const override { return true; }
    // The page itself survives: Designer keeps it to undo the removal.
    void remove(int index) override;

    static void Register(QExtensionManager* manager);

private:
    // Designer saves a page's window title, its tab's text, only once it is
    // marked as changed; it is edited through the control's PageCaption.
    void MarkCaptionChanged() const;

    TsuiPageControl* pages_;
    QExtensionManager* manager_;
};

class TPageControlContainerFactory : public QExtensionFactory {
    Q_OBJECT

public:
    using QExtensionFactory::QExtensionFactory;

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};
