#include "gallery/preview.h"

#include "gallery/galleryform.h"
#include "skin/frame/suiform.h"
#include "toolkit/layoutreader.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QMetaProperty>
#include <stdexcept>

std::unique_ptr<QWidget> ReadPreview(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open " + path.toStdString() + ": " + file.errorString().toStdString());
    // Read one byte beyond the limit: a device or a pipe has no size to ask.
    const QByteArray bytes = file.read(toolkit::MaxLayoutLength + 1);
    if (bytes.size() > toolkit::MaxLayoutLength)
        throw toolkit::ELayoutError(1, 1, QStringLiteral("file larger than %1 bytes").arg(toolkit::MaxLayoutLength));
    RegisterGalleryClasses();
    std::unique_ptr<QObject> root(toolkit::PreviewLayout(QString::fromUtf8(bytes)));
    if (!root->isWidgetType()) throw toolkit::ELayoutError(1, 1, QStringLiteral("the layout's root is not a window"));
    return std::unique_ptr<QWidget>(static_cast<QWidget*>(root.release()));
}

void ApplyPreviewStyle(QWidget& window, TsuiUIStyle style)
{
    if (auto* gallery = qobject_cast<TGalleryForm*>(&window)) return gallery->ApplyStyle(style);
    const QList<TsuiForm*> frames = window.findChildren<TsuiForm*>();
    for (TsuiForm* frame : frames)
        frame->SetUIStyle(style);
    if (!frames.isEmpty()) return;
    for (QObject* object : window.findChildren<QObject*>()) {
        const QMetaObject* meta = object->metaObject();
        const int index = meta->indexOfProperty("UIStyle");
        if (index >= 0 && meta->property(index).metaType() == QMetaType::fromType<TsuiUIStyle>())
            meta->property(index).write(object, QVariant::fromValue(style));
    }
}

void AddStyleSwitch(QWidget& window)
{
    int number = 1;
    for (TsuiUIStyle style : ShownStyles()) {
        auto* action = new QAction(StyleName(style), &window);
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + number++)));
        QObject::connect(action, &QAction::triggered, &window, [&window, style] { ApplyPreviewStyle(window, style); });
        window.addAction(action);
    }
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}
