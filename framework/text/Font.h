// Font: a typeface at a pixel size that canvases write text with. Faces are not loaded yet, so a
// font reports none and a canvas writes nothing with it.
#pragma once

#include "Vorn/core/Node.h"

class IVideo;

namespace Vorn {

class Font : public SharedChildNode {
public:
    // `video` may be null (no video device).
    explicit Font(IVideo* video);

    // Whether a face is loaded; writing needs one.
    bool IsLoaded() const { return false; }

    IVideo* Video() const { return video_; }

private:
    IVideo* video_;
};

} // namespace Vorn
