// Process on POSIX: std::exit, so static destructors and atexit handlers run.
#include "platform/Process.h"

#include <cstdlib>

namespace platform {

void ExitProcess(int code)
{
    std::exit(code);
}

}  // namespace platform
