// Feeds arbitrary bytes to the INI reader through a file, as the utility
// reads it at start-up.
#include "platform/inifile.h"

#include <QDir>
#include <QTemporaryFile>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Memory-backed where there is one: the reader opens the file per call.
    static QTemporaryFile file(QDir(QStringLiteral("/dev/shm")).exists()
                                   ? QStringLiteral("/dev/shm/fuzz_ini_XXXXXX")
                                   : QDir::tempPath() + QStringLiteral("/fuzz_ini_XXXXXX"));
    if (!file.isOpen() && !file.open()) std::abort();
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();

    const QString value =
        platform::ReadIniString(file.fileName(), QStringLiteral("system"), QStringLiteral("boot_file"), 63);
    if (value.size() > 63) std::abort();
    platform::ReadIniString(file.fileName(), QStringLiteral(" System "), QString(), 0);
    return 0;
}
