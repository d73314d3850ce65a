// The help document "deduxa.hlp": HTML, one topic per context number.
#pragma once

#include "puzzlegen/Shelf.h"

#include <string>

namespace puzzlegen {

// The whole document; the quick-instructions topic walks through `example`.
std::string HelpDocument(const ShelfGame& example, const CStory& story);

} // namespace puzzlegen
