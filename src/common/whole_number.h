// A GMP whole number for the span of one step of the exact arithmetic
// (common/real.cpp, common/numbers.cpp).
#pragma once

#include <gmp.h>

namespace noktaris {

class Whole {
public:
    Whole() { mpz_init(z_); }
    Whole(const Whole&) = delete;
    Whole& operator=(const Whole&) = delete;
    ~Whole() { mpz_clear(z_); }
    operator mpz_ptr() { return z_; }

private:
    mpz_t z_;
};

} // namespace noktaris
