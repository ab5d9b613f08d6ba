// TextFonts: the installed font files the text tests use (fonts-dejavu-core, from
// tools/install-deps.sh): DejaVu Sans has Latin and Arabic, kerning and ligatures.
#pragma once

namespace texttest {

inline constexpr const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

} // namespace texttest
