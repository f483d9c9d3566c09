#include "toolkit/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>
#include <memory>
#include <vector>

namespace toolkit {
namespace {

std::vector<std::unique_ptr<QTranslator>>& Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void Install(const QLocale& locale, const QString& catalogue, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, catalogue, QStringLiteral("_"), folder)) return; // English stays
    QCoreApplication::installTranslator(translator.get());
    Installed().push_back(std::move(translator));
}

// The stored texts a user reads: the caption, the hint (and Qt's tooltip).
constexpr const char* TextProperties[] = {"Caption", "Hint", "toolTip"};

} // namespace

void InstallTranslations(const QString& program, const QLocale& locale)
{
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    Install(locale, QStringLiteral("qtbase"), qtFolder);
    Install(locale, QStringLiteral("skinnedcontrols"), QStringLiteral(":/i18n"));
    Install(locale, program, QStringLiteral(":/i18n"));
}

void RemoveTranslations()
{
    for (const auto& translator : Installed()) QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
}

void TranslateLayoutTexts(QObject* root, const char* context)
{
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* object : objects) {
        for (const char* name : TextProperties) {
            const QVariant value = object->property(name);
            if (value.typeId() != QMetaType::QString || value.toString().isEmpty()) continue;
            const QString translated = QCoreApplication::translate(context, value.toString().toUtf8().constData());
            if (translated != value.toString()) object->setProperty(name, translated);
        }
    }
}

} // namespace toolkit
