#pragma once

// Runs the registered benchmarks inside an offscreen application with the
// same fixed style and fonts as the tests, so skinned and plain widgets are
// measured under equal conditions.
int RunWidgetBenchmarks(int argc, char** argv);
