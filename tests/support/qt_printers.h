// Readable failure messages for Qt strings in GoogleTest assertions, and readable
// names for the rows of table tests.
#pragma once

#include "common/numbers.h"

#include <QByteArray>
#include <QRect>
#include <QString>

#include <ostream>
#include <string>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << '"' << bytes.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* out)
{
    *out << '(' << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}

namespace noktaris {

// An exact number in a failure message: its general number form.
inline std::ostream& operator<<(std::ostream& out, const Real& value)
{
    return out << formatNumber(value).toStdString();
}
inline void PrintTo(const Real& value, std::ostream* out) { *out << value; }

} // namespace noktaris

namespace noktaris::test {

// Parameter rows show up in failure reports by their name. A test file brings it
// into the namespace of its rows with `using test::PrintTo;`, where GoogleTest's
// printer finds it.
template <class Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// Names the rows of a parameterised test after their `name` member.
struct RowName {
    template <class Info>
    std::string operator()(const Info& row) const
    {
        return row.param.name;
    }
};

} // namespace noktaris::test
