// ICU's collator as the program sorts names: Czech rules, at the secondary strength
// accents count and letter case does not (primary: letters only). The names come
// from Windows-1250 text, whose letters are all precomposed, so the collator need
// not normalise them first.
#pragma once

#include <unicode/ucol.h>

#include <memory>

namespace noktaris {

struct CollatorDeleter {
    void operator()(UCollator* c) const { ucol_close(c); }
};
using Collator = std::unique_ptr<UCollator, CollatorDeleter>;

// nullptr when ICU cannot open it.
Collator openCzech(UColAttributeValue strength);

} // namespace noktaris
