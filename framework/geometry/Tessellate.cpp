// Tessellate: GLU's tessellator driven through its data callbacks. With an edge-flag callback
// installed GLU emits independent triangles only (no fans or strips), which is the form we return.
// Callbacks are called from C: none of them lets an exception escape.
#include "Vorn/geometry/Tessellate.h"

#include <GL/glu.h>

#include <deque>
#include <memory>

namespace Vorn::geometry {

namespace {

// What the callbacks of one tessellation share.
struct Session {
    std::vector<Point>* triangles = nullptr;
    std::deque<Vertex> made; // vertices GLU creates where edges cross; a deque keeps their addresses
    Vertex spare {}; // handed to GLU when a new vertex cannot be stored (the result is dropped)
    bool failed = false;
};

Session& Of(void* data)
{
    return *static_cast<Session*>(data);
}

void Begin(GLenum type, void* data)
{
    if (type != GL_TRIANGLES)
        Of(data).failed = true;
}

void EdgeFlag(GLboolean, void*)
{
    // Present only so that GLU emits independent triangles.
}

void Emit(void* vertex, void* data)
{
    Session& session = Of(data);
    const auto* v = static_cast<const Vertex*>(vertex);
    try {
        session.triangles->emplace_back(static_cast<float>(v->x), static_cast<float>(v->y));
    } catch (...) {
        session.failed = true;
    }
}

void Combine(GLdouble coords[3], void* [4], GLfloat[4], void** out, void* data)
{
    Session& session = Of(data);
    try {
        session.made.push_back(Vertex { coords[0], coords[1] });
        *out = &session.made.back();
    } catch (...) {
        session.failed = true;
        *out = &session.spare;
    }
}

void Error(GLenum, void* data)
{
    Of(data).failed = true;
}

template <typename Fn> _GLUfuncptr Callback(Fn* fn)
{
    return reinterpret_cast<_GLUfuncptr>(fn);
}

struct TessDeleter {
    void operator()(GLUtesselator* tess) const { gluDeleteTess(tess); }
};

// GLU emits triangles of no area where an outline has collinear vertices (a stroke's outline
// often does); they cover nothing, so they go, from `first` on.
void DropFlat(std::vector<Point>& triangles, size_t first)
{
    size_t kept = first;
    for (size_t i = first; i + 2 < triangles.size(); i += 3) {
        const Point a = triangles[i], b = triangles[i + 1], c = triangles[i + 2];
        if ((double(b.x) - a.x) * (double(c.y) - a.y) == (double(b.y) - a.y) * (double(c.x) - a.x))
            continue;
        triangles[kept++] = a;
        triangles[kept++] = b;
        triangles[kept++] = c;
    }
    triangles.resize(kept);
}

} // namespace

bool Tessellate(const std::vector<Contour>& contours, std::vector<Point>& triangles) noexcept
{
    std::unique_ptr<GLUtesselator, TessDeleter> tess(gluNewTess());
    if (tess == nullptr)
        return false;
    Session session;
    session.triangles = &triangles;
    const size_t first = triangles.size();
    GLUtesselator* t = tess.get();
    gluTessCallback(t, GLU_TESS_BEGIN_DATA, Callback(Begin));
    gluTessCallback(t, GLU_TESS_EDGE_FLAG_DATA, Callback(EdgeFlag));
    gluTessCallback(t, GLU_TESS_VERTEX_DATA, Callback(Emit));
    gluTessCallback(t, GLU_TESS_COMBINE_DATA, Callback(Combine));
    gluTessCallback(t, GLU_TESS_ERROR_DATA, Callback(Error));
    gluTessProperty(t, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(t, 0.0, 0.0, 1.0);

    gluTessBeginPolygon(t, &session);
    for (const Contour& contour : contours) {
        gluTessBeginContour(t);
        for (const Vertex& vertex : contour) {
            GLdouble coords[3] = { vertex.x, vertex.y, 0.0 }; // copied by GLU
            gluTessVertex(t, coords, const_cast<Vertex*>(&vertex));
        }
        gluTessEndContour(t);
    }
    gluTessEndPolygon(t);

    if (session.failed || (triangles.size() - first) % 3 != 0)
        return false;
    DropFlat(triangles, first);
    return true;
}

} // namespace Vorn::geometry
