// Shell: handing a document or a web address to the desktop, which opens it with the user's
// default application (a browser for a web address), as the Windows shell's "open" verb does.
#pragma once

namespace platform {

// Asks the desktop to open `url` and returns at once, without waiting for the application. True
// when the request was handed over (not whether anything opened); false for a null url.
bool OpenUrl(const char* url);

} // namespace platform
