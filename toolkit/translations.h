#pragma once
// The programs' texts through Qt's translation system: English is the source
// language and the default; a translation for the user's locale, where one
// exists, replaces it, and a missing one falls back to English.

#include <QLocale>
#include <QString>

class QObject;

namespace toolkit {

// Installs, for `locale`, Qt's own translations (so file choosers and message
// box buttons follow the locale), the component set's catalogue and the
// program's own catalogue `program` (compiled in under ":/i18n/"). Call once,
// after the application object exists.
void InstallTranslations(const QString& program, const QLocale& locale = QLocale());

// Removes every translation InstallTranslations installed.
void RemoveTranslations();

// A window read from a stored layout shows its texts (captions, hints) in the
// user's language: each is looked up in the translation context `context`,
// the window's class name (the same context as its tr() texts).
void TranslateLayoutTexts(QObject* root, const char* context);

} // namespace toolkit
