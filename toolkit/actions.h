#pragma once
// Actions: one command with its caption, state, shortcut and image, which
// buttons and menu items show and run. A TActionList is a stored component
// holding a form's TActions; a control or menu item whose Action names one
// keeps its own properties in step with it (ActionChange) and runs it when
// clicked. While the application is idle after input, every action is asked
// to bring its state up to date (OnUpdate).

#include "toolkit/component.h"
#include "toolkit/imagelist.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QShortcut;

namespace toolkit {

class TActionList;

/// One command: Caption, Checked, Enabled, HelpContext, Hint, ImageIndex, ShortCut, Visible; OnExecute runs it,
/// OnUpdate refreshes its state when the application is idle.
class TAction : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int ShortCut READ ShortCut WRITE SetShortCut)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    explicit TAction(QObject* parent = nullptr);
    ~TAction() override;

    // The list holding the action (its parent), or null.
    TActionList* ActionList() const;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { Set(caption_, caption); }
    bool Checked() const { return checked_; }
    void SetChecked(bool on) { Set(checked_, on); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { Set(enabled_, on); }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { Set(helpContext_, context); }
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint) { Set(hint_, hint); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { Set(imageIndex_, index); }
    // In the classic encoding (menus.h); it works while the list's window
    // is active.
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int shortCut);
    bool Visible() const { return visible_; }
    void SetVisible(bool on) { Set(visible_, on); }

    // Brings the state up to date, then raises OnExecute when the action is
    // enabled; returns whether a handler ran.
    bool Execute();
    // Raises OnUpdate; returns whether there is a handler.
    bool Update();

    void Loaded() override;

signals:
    void OnExecute();
    void OnUpdate();
    // A property changed: the linked controls and items follow.
    void OnChange();

private:
    template <typename T> void Set(T& field, const T& value)
    {
        if (field == value) return;
        field = value;
        emit OnChange();
    }
    void BindShortCut();

    QString caption_;
    bool checked_ = false;
    bool enabled_ = true;
    int helpContext_ = 0;
    QString hint_;
    int imageIndex_ = -1;
    int shortCut_ = 0;
    bool visible_ = true;
    QPointer<QShortcut> binding_;
};

/// A form's actions (its TAction children) and the images they show.
class TActionList : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(toolkit::TImageList* Images READ Images WRITE SetImages)

public:
    explicit TActionList(QObject* parent = nullptr);

    QList<TAction*> Actions() const;
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // The window whose shortcuts the actions are: the list's parent's.
    QWidget* Window() const;

    // Raises every action's OnUpdate, as the application does when idle.
    void UpdateActions();

signals:
    // The images changed.
    void OnChange();

private:
    QPointer<TImageList> images_;
};

/// What a control or menu item keeps of its action: it follows the action's
/// changes and forgets an action that is deleted.
class TActionLink {
public:
    TAction* Action() const { return action_; }
    // Links client to action (null: none); changed runs now and after each
    // change of the action, as long as client lives.
    void Link(QObject* client, TAction* action, std::function<void(TAction&)> changed);

private:
    QPointer<TAction> action_;
    QMetaObject::Connection connection_;
};

} // namespace toolkit
