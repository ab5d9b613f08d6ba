// Font: construction only, until faces can be loaded.
#include "Vorn/text/Font.h"

namespace Vorn {

Font::Font(IVideo* video)
    : video_(video)
{
}

} // namespace Vorn
