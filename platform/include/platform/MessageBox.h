// MessageBox: the modal OK/Cancel box the runtime uses for errors, with no owner window.
// VORN_MESSAGEBOX=ok or =cancel answers every box so without showing it. Every box's title,
// text and answer are also written to standard error:
//   [messagebox] title: <title>
//   <text, possibly several lines>
//   [messagebox] answer: OK|Cancel (shown|not shown: <why>)
#pragma once

namespace platform {

enum class BoxAnswer { Ok, Cancel };

// Shows the box and waits for the user. When no box can be shown (no display) and
// VORN_MESSAGEBOX is unset, the answer is Cancel.
BoxAnswer ShowOkCancelBox(const char* title, const char* text);

}  // namespace platform
