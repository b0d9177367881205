// Size of a sky object's image on the film. α is the object's angular size in arc
// minutes, lengths are millimetres; `scale` is 10 to the number of decimals shown
// (1000 in the basic-mode window, 100 in the image-size window).
#pragma once

#include "common/numbers.h"

#include <QString>

namespace noktaris::imagesize {

inline const QString kSizeCaption = QStringLiteral("Rozměr:");

// Through a lens or telescope of focal length f: α f / 3438.
Real primeFocus(const Real& alpha, const Real& f, const Real& scale);
// A camera of focal length fc behind an eyepiece fe on a telescope F: α F fc / (3438 fe).
Real afocal(const Real& alpha, const Real& F, const Real& fc, const Real& fe, const Real& scale);
// "Rozměr: <size> mm", or the bare caption for a size that rounds to 0.
QString sizeText(const Real& size);

} // namespace noktaris::imagesize
