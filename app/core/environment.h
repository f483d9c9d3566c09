#pragma once
// What the utility asks of its process: where its executable lies, sleeping,
// and ending the process. Replaceable so tests neither wait nor exit.

#include <QString>
#include <functional>

struct ProcessEnvironment {
    std::function<QString()> ModulePath;
    std::function<void(unsigned milliseconds)> Sleep;
    // Runs the normal exit handling; a replacement may return.
    std::function<void(int exitCode)> EndProcess;

    static ProcessEnvironment Platform();
};

ProcessEnvironment& Environment();
