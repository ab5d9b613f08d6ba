// CommandLine: the tail and its quote rules.
#include "host/CommandLine.h"

namespace host {

std::string CommandTail(int argc, const char* const* argv)
{
    std::string tail;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            tail += ' ';
        tail += argv[i];
    }
    std::size_t start = 0;
    while (start < tail.size() && static_cast<unsigned char>(tail[start]) <= 32)
        ++start;
    return tail.substr(start);
}

std::string ScriptPathFromTail(std::string tail)
{
    if (!tail.empty() && tail.front() == '"')
        tail.erase(0, 1);
    if (!tail.empty() && tail.back() == '"')
        tail.pop_back();
    return tail;
}

}  // namespace host
