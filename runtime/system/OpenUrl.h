// OpenUrl: the script function open_url. Needs the host's display and the platform shell.
#pragma once

// Hands url to the desktop's default application (a browser). A full-screen game window is
// minimised first, so the browser is not hidden behind it. Nothing happens for a nil url, without
// a display, or when the display cannot tell its mode; nothing is reported either way.
void open_url(const char* url);
