#include "toolkit/commandline.h"

#include <QCoreApplication>
#include <QStringList>
#include <string_view>

namespace toolkit {
namespace {

bool OnlyPrints(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "-?" || argument == "--help-all" ||
            argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

} // namespace

void PrepareCommandLine(int argc, char** argv)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(ISP_VERSION));
    if (OnlyPrints(argc, argv)) qputenv("QT_QPA_PLATFORM", "minimal");
}

} // namespace toolkit
