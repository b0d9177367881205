// The viewer's picture list data\pics.dat (viewer/picture_list.h): the names of
// the pick list and the picture behind each item.
//
// The input is pics.dat.
#include "fuzz_support.h"

#include "common/code_page.h"
#include "viewer/picture_list.h"

using namespace noktaris;
using namespace noktaris::pictures;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QStringList items = names(bytes);
    FUZZ_CHECK(items.size() <= bytes.count('$'));
    FUZZ_CHECK(!pictureAt(bytes, -1) && !pictureAt(bytes, int(items.size())));

    // Each item's picture carries the item's name. Written out again as a list of
    // its own, the pictures read back the same, in the same items.
    QByteArray list;
    QList<Picture> pictures;
    for (int i = 0; i < int(items.size()) && i < 64; ++i) {
        const std::optional<Picture> picture = pictureAt(bytes, i);
        if (!picture)
            continue;
        FUZZ_CHECK(picture->name == items[i] && picture->width > 0);
        FUZZ_CHECK(!picture->name.contains(u'$') && !picture->file.contains(u'$'));
        list +=
            toCp1250(picture->name) + '$' + toCp1250(picture->file) + '$' + QByteArray::number(picture->width) + "\r\n";
        pictures << *picture;
    }
    list += ";\r\nnothing$read$after$the$end\r\n";
    FUZZ_CHECK(names(list).size() == pictures.size());
    for (int i = 0; i < int(pictures.size()); ++i) {
        const std::optional<Picture> again = pictureAt(list, i);
        FUZZ_CHECK(again);
        FUZZ_CHECK(again->name == fromCp1250(toCp1250(pictures[i].name)));
        FUZZ_CHECK(again->file == fromCp1250(toCp1250(pictures[i].file)));
        FUZZ_CHECK(again->width == pictures[i].width);
    }
    return 0;
}
