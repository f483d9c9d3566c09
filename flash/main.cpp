#include "flash/flasher.h"

#include <QString>
#include <QStringList>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return RunFlasher(arguments, stdout, stderr);
}
