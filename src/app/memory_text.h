// The free-memory text of the status lines of both main windows.
#pragma once

#include <QString>

#include <cstdint>

namespace noktaris {

// " Noktaris 1.4 - Volná paměť: 524288kB (50%)": kilobytes in the general number
// form and the share of the total rounded half to even. When the share cannot be
// computed (no total reported) the text stops after "kB (".
QString memoryText(std::uint64_t freeBytes, std::uint64_t totalBytes);

} // namespace noktaris
