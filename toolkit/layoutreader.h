#pragma once
// Builds objects from a stored layout: parse into a tree, create each object
// through the class registry, apply its properties in file order, bind event
// handlers to the root, set the references between components (a writable
// object property names another component of the layout, wherever it is
// declared), then call Loaded.

#include "toolkit/layoutregistry.h"
#include "toolkit/layouttree.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QObject>
#include <QPair>

namespace toolkit {

// Creates the root object and everything inside it; the caller owns the
// result. On error nothing created stays behind. Whatever goes wrong while
// reading (a control refusing a value included) leaves as ELayoutError, with
// the position of the object or value concerned.
QObject* ReadLayout(const QString& text, QObject* parent = nullptr);

// Reads a layout written for some program's window, to look at it: a root
// of a class this program does not have becomes a plain TForm, and a handler
// the root does not have is left unbound (the code it names is not here).
QObject* PreviewLayout(const QString& text, QObject* parent = nullptr);

// Applies a layout to an existing root (a form reading its own layout). The
// root's class must be, or derive from, the layout's root class. On error the
// objects created so far are deleted; the root keeps the values already set.
void ReadLayoutInto(QObject* root, const QString& text);

// Whether a layout is being read on this thread. A control refuses what it
// cannot take by throwing then (the reader reports it at the value's
// position); outside reading, a designer's advice may ask the user instead.
bool IsReadingLayout();

// Connects `sender`'s event (a signal of that name, or the Qt signal it
// stands for, e.g. OnClick for clicked) to the root's Q_INVOKABLE method or
// slot `handler`, and remembers the binding for the writer. The handler takes
// the signal's arguments, optionally preceded by a `QObject* Sender`.
// Returns an error message, empty on success.
QString BindHandler(QObject* sender, const QString& event, QObject* root, const QString& handler);
// (event, handler) pairs in binding order.
QList<QPair<QString, QString>> BoundHandlers(const QObject* sender);

// The enumeration behind an enum or flags property, also when it is declared
// in another class or namespace.
QMetaEnum PropertyEnumerator(const QMetaProperty& property);

} // namespace toolkit
