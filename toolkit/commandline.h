#pragma once
// The programs' command lines follow Qt's conventions: QCommandLineParser with
// --help and --version, Qt's own options (-platform, -style, -reverse, ...)
// taken by the application object first.

namespace toolkit {

// Call before the application object exists: sets the version --version
// prints, and lets --help and --version answer without a display (they only
// print), as a packaging script or a terminal without a desktop expects.
void PrepareCommandLine(int argc, char** argv);

} // namespace toolkit
