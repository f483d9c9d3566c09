#pragma once

namespace platform {

// Blocks the calling thread; nothing is processed meanwhile.
void Sleep(unsigned milliseconds);

} // namespace platform
