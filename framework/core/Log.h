// Log: the engine's one diagnostic channel. Every line goes to vorn.log in the current directory
// and to standard error, flushed at once so nothing is lost when the process ends abruptly.
#pragma once

namespace Vorn {

class Log {
public:
    // Empties vorn.log; the first call of a run.
    static void Clear();
    // printf-style; the text is written as given (callers end their lines with '\n').
    static void Output(const char* format, ...) __attribute__((format(printf, 1, 2)));
};

}  // namespace Vorn
