#pragma once
// Writes objects back in the stored-layout format: the object tree is first
// turned into the same plain tree the reader parses, then formatted.
//
// What is stored: the Q_PROPERTYs declared by our own classes (Qt's classes,
// named Q..., contribute none) that are STORED and DESIGNABLE, in declaration
// order from base to derived, skipping every value equal to the one a freshly
// created instance of the registered class has (a writable object property is
// a reference, stored by the component's name unless it is null; a read-only
// one is a part whose own values are stored, as in Font.Height), and a Color
// only while ParentColor is off; then the
// class's extra stored values (likewise compared) and the handlers bound by
// name; then the named, registered, non-internal children in creation order.

#include "toolkit/layoutregistry.h"
#include "toolkit/layouttree.h"

namespace toolkit {

QString WriteLayout(const QObject* root);
TLayoutNode LayoutTreeOf(const QObject* root);
QString FormatLayout(const TLayoutNode& node);

} // namespace toolkit
