#include <math.h>

#include "quillon.h"

// The scale and the products stay in extended precision so that 1250 at
// -2 digits (12.5 hundreds) rounds as the decimal number it is.
namespace {
enum class Mode { up, down, half_up };

double round_at(double val, int digits, Mode mode)
{
    long double scale = powl(10.0L, (long double)digits);
    long double product = fabsl((long double)val) * scale;
    if (mode == Mode::half_up)
        product += 0.5L;
    double scaled = (double)product;
    double whole = mode == Mode::up ? ceil(scaled) : floor(scaled);
    double result = (double)((long double)whole / powl(10.0L, (long double)digits));
    if (!(val >= 0))
        result *= -1;
    return result;
}
}  // namespace

double _cil_val_(double val, int digits)
{
    return round_at(val, digits, Mode::up);
}

double _flr_val_(double val, int digits)
{
    return round_at(val, digits, Mode::down);
}

double _rnd_val_(double val, int digits)
{
    return round_at(val, digits, Mode::half_up);
}
