// LuaClipper: the script class Clipper, a path object defining a clip region for a layer. Owns
// one counted reference to its engine clipper (created on the process-wide video interface) and
// reaches it as a path through LuaPath.
#pragma once

#include <Vorn/draw/Clipper.h>

#include "bridge/Held.h"
#include "drawing/LuaPath.h"

class LuaClipper : public LuaPath {
public:
    LuaClipper();
    ~LuaClipper() override;

    void Fill() { clipper_->Fill(); }
    void FillPreserve() { clipper_->FillPreserve(); }
    void Clear() { clipper_->Clear(); }

    Vorn::Clipper* clipper() const { return clipper_.Get(); }

private:
    explicit LuaClipper(Vorn::Clipper* clipper);

    bridge::Held<Vorn::Clipper> clipper_;
};
