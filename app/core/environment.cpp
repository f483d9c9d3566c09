#include "app/core/environment.h"

#include "platform/modulepath.h"
#include "platform/sleep.h"

#include <cstdlib>

ProcessEnvironment ProcessEnvironment::Platform()
{
    return {platform::ModuleFileName, platform::Sleep, [](int exitCode) { std::exit(exitCode); }};
}

ProcessEnvironment& Environment()
{
    static ProcessEnvironment environment = ProcessEnvironment::Platform();
    return environment;
}
