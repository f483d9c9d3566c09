// skingen: draws every skin picture and writes them, with the resource list,
// into the resources folder; optionally renders the contact sheets.
//
//   skingen <resources-dir> [<docs-dir>]
#include "sheet.h"
#include "styles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

using namespace skingen;

namespace {

bool fail(const QString& message)
{
    std::fprintf(stderr, "skingen: %s\n", qPrintable(message));
    return false;
}

bool checkStyle(const Style& style, QSet<QString>& names)
{
    if (int(style.pictures.size()) != style.expectedCount)
        return fail(QStringLiteral("%1 has %2 pictures, expected %3")
                        .arg(style.name)
                        .arg(style.pictures.size())
                        .arg(style.expectedCount));
    for (const Picture& pic : style.pictures) {
        if (names.contains(pic.name))
            return fail(QStringLiteral("duplicate picture %1").arg(pic.name));
        names.insert(pic.name);
    }
    return true;
}

bool writePictures(const QDir& resources, const Catalog& all)
{
    QDir pictures(resources.filePath(QStringLiteral("pictures")));
    if (!pictures.exists() && !resources.mkpath(QStringLiteral("pictures")))
        return fail(QStringLiteral("cannot create %1").arg(pictures.path()));
    // Stale pictures of renamed elements must not linger in the resources.
    for (const QString& old : pictures.entryList({QStringLiteral("*.png")}, QDir::Files))
        pictures.remove(old);
    for (const Picture& pic : all)
        if (!pic.image.save(pictures.filePath(pic.name + ".png"), "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(pic.name));
    return true;
}

bool writeQrc(const QDir& resources, Catalog all)
{
    std::sort(all.begin(), all.end(), [](const Picture& a, const Picture& b) { return a.name < b.name; });
    QFile file(resources.filePath(QStringLiteral("skin.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("cannot write %1").arg(file.fileName()));
    QTextStream out(&file);
    out << "<!-- Written by tools/skingen (scripts/skin-pictures.sh); do not edit. -->\n";
    out << "<RCC>\n  <qresource prefix=\"/pictures\">\n";
    for (const Picture& pic : all)
        out << "    <file alias=\"" << pic.name << "\">pictures/" << pic.name << ".png</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return true;
}

bool writeSheets(const QDir& docs, const std::vector<Style>& styles, const Catalog& common)
{
    auto write = [&](const QString& file, const QString& title, const Catalog& pics, const QImage& shown = {}) {
        return contactSheet(title, pics, shown).save(docs.filePath(file), "PNG") ||
               fail(QStringLiteral("cannot write %1").arg(file));
    };
    for (const Style& style : styles)
        if (!write(QStringLiteral("skin-contact-sheet-%1.png").arg(style.name.toLower()), style.name, style.pictures,
                   preview(style)))
            return false;
    return write(QStringLiteral("skin-contact-sheet-common.png"), QStringLiteral("Shared pictures and icon"), common);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: skingen <resources-dir> [<docs-dir>] | skingen --icons <icons-dir>\n");
        return 2;
    }

    // The desktop icons of the utility, in the sizes desktops ask for.
    if (args.size() == 3 && args[1] == QLatin1String("--icons")) {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(args[2]).arg(size);
            if (!QDir().mkpath(dir) || !AppIcon(size).save(dir + QStringLiteral("/ispupdate.png")))
                return fail(QStringLiteral("cannot write the icons into ") + dir) ? 0 : 1;
        }
        return 0;
    }

    const std::vector<Style> styles{MacOS(), WinXP(), DeepBlue(), Protein(), BlueGlass()};
    const Catalog common = Common();
    QSet<QString> names;
    Catalog all;
    for (const Style& style : styles) {
        if (!checkStyle(style, names))
            return 1;
        all.insert(all.end(), style.pictures.begin(), style.pictures.end());
    }
    all.insert(all.end(), common.begin(), common.end());

    const QDir resources(args[1]);
    if (!writePictures(resources, all) || !writeQrc(resources, all))
        return 1;
    if (args.size() > 2 && !writeSheets(QDir(args[2]), styles, common))
        return 1;
    std::printf("skingen: %d pictures written\n", int(all.size()));
    return 0;
}
