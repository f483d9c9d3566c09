#include "toolkit/actions.h"

#include "toolkit/menus.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaMethod>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

namespace toolkit {

namespace {

// Once the events that follow some input have been handled, every action
// list updates its actions: the application's idle time, without waking up
// while nothing happens.
class TIdleUpdates : public QObject {
public:
    static TIdleUpdates& Instance()
    {
        static auto* updates = new TIdleUpdates;
        return *updates;
    }

    void Add(TActionList* list)
    {
        lists_.append(list);
        Schedule();
    }

    void Schedule()
    {
        if (pending_) return;
        pending_ = true;
        QTimer::singleShot(0, this, [this] { Run(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::FocusIn:
        case QEvent::WindowActivate:
        case QEvent::Show:
            Schedule();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TIdleUpdates()
    {
        if (QCoreApplication* application = QCoreApplication::instance()) application->installEventFilter(this);
    }

    void Run()
    {
        pending_ = false;
        lists_.removeAll(nullptr);
        for (const QPointer<TActionList>& list : QList(lists_))
            if (list) list->UpdateActions();
    }

    QList<QPointer<TActionList>> lists_;
    bool pending_ = false;
};

} // namespace

TAction::TAction(QObject* parent) : QObject(parent) {}

TAction::~TAction()
{
    delete binding_.data();
}

TActionList* TAction::ActionList() const
{
    return qobject_cast<TActionList*>(parent());
}

void TAction::SetShortCut(int shortCut)
{
    if (shortCut_ == shortCut) return;
    shortCut_ = shortCut;
    BindShortCut();
    emit OnChange();
}

void TAction::Loaded()
{
    TComponent::Loaded();
    BindShortCut();
}

void TAction::BindShortCut()
{
    delete binding_.data();
    const TActionList* list = ActionList();
    QWidget* window = list ? list->Window() : nullptr;
    const QKeySequence key = ShortCutToKeySequence(shortCut_);
    if (!window || key.isEmpty()) return;
    binding_ = new QShortcut(key, window);
    binding_->setContext(Qt::WindowShortcut);
    connect(binding_, &QShortcut::activated, this, [this] {
        if (visible_) Execute();
    });
}

bool TAction::Execute()
{
    const QPointer<TAction> alive(this);
    Update();
    if (!alive || !enabled_) return false;
    const bool handled = isSignalConnected(QMetaMethod::fromSignal(&TAction::OnExecute));
    emit OnExecute();
    return handled;
}

bool TAction::Update()
{
    emit OnUpdate();
    return isSignalConnected(QMetaMethod::fromSignal(&TAction::OnUpdate));
}

TActionList::TActionList(QObject* parent) : QObject(parent)
{
    TIdleUpdates::Instance().Add(this);
}

QList<TAction*> TActionList::Actions() const
{
    return findChildren<TAction*>(Qt::FindDirectChildrenOnly);
}

void TActionList::SetImages(TImageList* images)
{
    if (images_ == images) return;
    images_ = images;
    emit OnChange();
    for (TAction* action : Actions())
        emit action->OnChange();
}

QWidget* TActionList::Window() const
{
    auto* owner = qobject_cast<QWidget*>(parent());
    return owner ? owner->window() : nullptr;
}

void TActionList::UpdateActions()
{
    // A handler may delete actions, or the list.
    QList<QPointer<TAction>> actions;
    for (TAction* action : Actions())
        actions.append(action);
    const QPointer<TActionList> alive(this);
    for (const QPointer<TAction>& action : actions)
        if (alive && action) action->Update();
}

void TActionLink::Link(QObject* client, TAction* action, std::function<void(TAction&)> changed)
{
    QObject::disconnect(connection_);
    action_ = action;
    if (!action) return;
    connection_ = QObject::connect(action, &TAction::OnChange, client, [action, changed] { changed(*action); });
    changed(*action);
}

} // namespace toolkit
