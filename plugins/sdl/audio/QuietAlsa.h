// QuietAlsa: keeps the ALSA library, which SDL loads for its ALSA driver, from printing its own
// errors on standard error (on a machine without a sound card, some eight lines per attempt to
// open a device). The plugin reports the failure itself, in one line, through its log.
// Loads the library only to set its error handler; nothing happens where it is not installed.
#pragma once

namespace sdlaudio {

class QuietAlsa {
public:
    // Silences ALSA for as long as this object lives.
    QuietAlsa();
    // Gives ALSA its own handler back before this module can go away.
    ~QuietAlsa();
    QuietAlsa(const QuietAlsa&) = delete;
    QuietAlsa& operator=(const QuietAlsa&) = delete;

private:
    void* library_ = nullptr;
};

} // namespace sdlaudio
