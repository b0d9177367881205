#include "optics/telescope.h"

namespace noktaris::telescope {

Real focalRatio(Real F, Real D) { return roundTo(divide(F, D), 3); }

Real magnification(Real F, Real f) { return roundHalfEven(divide(F, f)); }

Real theoreticalLimit(Real D, Real k2) { return roundTo(5 * log10Checked(D) + k2, 2); }

Real practicalLimit(Real theoretical) { return theoretical - 1.8L; }

Real resolvingPower(Real D) { return divide(roundHalfEven(divide(115800, D)), 1000); }

bool exceedsMaxUseful(Real M, Real D, Real k1) { return D * k1 < M; }

Real maxUsefulMagnification(Real D, Real k1) { return roundHalfEven(checked(D * k1)); }

Real minUsefulMagnification(Real D) { return roundHalfEven(divide(D, 6)); }

Real moonDetail(Real D) { return divide(roundHalfEven(divide(3128.916L, D)), 10); }

Real exitPupil(Real f, Real D, Real F) { return roundHalfEven(divide(100 * f * D, F)) * 0.01L; }

Real trueField(Real f, Real u, Real F) { return divide(roundHalfEven(divide(100000 * f * u, F)), 100000); }

} // namespace noktaris::telescope
