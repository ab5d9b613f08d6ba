// Process: ending the process from anywhere, as a normal exit (static destructors run, open
// C streams are flushed).
#pragma once

namespace platform {

[[noreturn]] void ExitProcess(int code);

}  // namespace platform
