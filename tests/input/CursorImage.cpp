// CursorImage: the current cursor image through XFixes.
#include "CursorImage.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace inputtest {

bool CursorVisible(const std::string& displayName)
{
    Display* display = XOpenDisplay(displayName.c_str());
    if (display == nullptr)
        return false;
    bool visible = false;
    if (XFixesCursorImage* image = XFixesGetCursorImage(display)) {
        for (int i = 0; i < image->width * image->height; ++i)
            visible = visible || ((image->pixels[i] >> 24) & 0xff) != 0;
        XFree(image);
    }
    XCloseDisplay(display);
    return visible;
}

} // namespace inputtest
