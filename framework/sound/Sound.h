// Sound: something a game plays: a file decoded whole (a sound effect) or, loaded with the
// stream flag, played from its file as it goes (Music). Plays on the audio plugin's mixer, one
// voice at a time (copy a sound to play it overlapping); copies share the decoded data.
// Volume is a linear gain 0..1 (default 1), pan -1 (left) to 1 (right) (default 0), pitch a
// playback-rate factor (default 1). Without an audio plugin a sound still loads, and plays nothing.
#pragma once

#include <string>

#include "Vorn/core/Node.h"
#include "Vorn/core/Ref.h"
#include "Vorn/sound/SoundBuffer.h"
#include "contracts/IAudio.h"

namespace Vorn {

class Sound : public SharedChildNode {
public:
    // `audio` may be null (no audio plugin): the first such sound logs that sound is off.
    explicit Sound(IAudio* audio);
    // Stops the sound: keep a sound while it is to be heard.
    ~Sound() override;

    // Loads `filename`: decoded whole, or with `stream` set checked now and decoded while it
    // plays. False, with the reason logged and the sound as it was, when the file is missing,
    // not a sound file, damaged or cut short.
    bool Load(const char* filename, bool stream = false);
    // Makes this sound a copy of `source`: the same decoded data (or file, for a stream), volume,
    // pan and pitch; stopped. False when `source` is null or empty.
    bool Copy(const Sound* source);
    // Stops and empties the sound. False when it held nothing.
    bool Release();

    // From the start, once. A sound already playing starts over.
    void Play();
    // From the start, repeating without a gap until stopped.
    void PlayLoop();
    // Holds the sound where it is; Resume carries on from there.
    void Pause();
    void Resume();
    void Stop();
    // True while it is to be heard: played or resumed, and not paused, stopped or finished.
    bool IsPlaying() const;

    // Clamped to their ranges (NaN leaves the value as it was); heard at once while playing.
    void SetVolume(float volume);
    void SetPan(float pan);
    void SetPitch(float pitch);
    float GetVolume() const { return volume_; }
    float GetPan() const { return pan_; }
    float GetPitch() const { return pitch_; }

    bool IsLoaded() const { return buffer_ || streamed_; }
    bool IsStreamed() const { return streamed_; }

private:
    void Start(bool loop);

    IAudio* audio_;
    Ref<SoundBuffer> buffer_; // decoded whole
    std::string path_; // streamed: the file it plays from
    bool streamed_ = false;
    VoiceHandle voice_ = 0;
    float volume_ = 1.0f;
    float pan_ = 0.0f;
    float pitch_ = 1.0f;
};

} // namespace Vorn
