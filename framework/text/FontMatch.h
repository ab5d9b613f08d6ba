// FontMatch: finds an installed font by family name through fontconfig.
//
// The best match is fontconfig's: the name is looked up with the system's configuration (aliases
// included) and the default style (regular weight, upright, normal width), and fontconfig ranks
// every installed face against it. That answer is taken when
//  - one of the face's family names is the name asked for (letter case and blanks ignored:
//    "DejaVu Sans", "dejavu sans" and "DejaVuSans" name the same family), or
//  - the configuration resolves the name to families it prefers over the name itself, as it does
//    for the generic names "sans-serif", "serif", "monospace" (and "sans", "mono"), and the face
//    is one of those.
// A name of a family that is not installed finds nothing, even though fontconfig would offer a
// fallback face of some other family. Needs fontconfig.
#pragma once

#include <string>

namespace Vorn {

// The file and face index of the installed face that best matches the family `name`; false when
// none matches as described above.
bool FindSystemFont(const char* name, std::string& path, long& index);

} // namespace Vorn
