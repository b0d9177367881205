// The update check's version file (app/versions.h): the first line of the
// downloaded version.txt, read as the program reads it, against the program's own
// version.
//
// The input is version.txt.
#include "fuzz_support.h"

#include "app/versions.h"
#include "common/file_read.h"

using namespace noktaris;
using namespace noktaris::update;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    static const QString path = fuzz::pathOf(QStringLiteral("version.txt"));
    fuzz::writeFile(path, bytes);
    const FileResult<QByteArray> line = readFirstLine(path);
    FUZZ_CHECK(line && bytes.startsWith(*line) && !line->contains('\r') && !line->contains('\n'));
    FUZZ_CHECK(line->size() == bytes.size() || bytes[line->size()] == '\r' || bytes[line->size()] == '\n');

    // An offer is for a version "d.d" that is newer than the own one; never for
    // the published version itself, and nothing when the line holds none.
    const auto digit = [&](int i) { return line->size() > i && line->at(i) >= '0' && line->at(i) <= '9'; };
    const bool published = digit(0) && digit(2);
    const Version same = published ? Version{line->at(0) - '0', line->at(2) - '0'} : Version{};
    FUZZ_CHECK(!offersUpdate(*line, same));
    for (int major = 0; major <= 10; ++major) {
        for (int minor = 0; minor <= 10; ++minor) {
            const bool newer = same.major > major || (same.major == major && same.minor > minor);
            FUZZ_CHECK(offersUpdate(*line, Version{major, minor}) == (published && newer));
        }
    }

    // The own version from its text: two numbers or nothing, and read back as
    // written.
    const Version own = ownVersion(QString::fromUtf8(bytes));
    FUZZ_CHECK(own.major >= 0 && own.minor >= 0);
    const Version again = ownVersion(QStringLiteral("%1.%2.0.0").arg(own.major).arg(own.minor));
    FUZZ_CHECK(again.major == own.major && again.minor == own.minor);
    return 0;
}
