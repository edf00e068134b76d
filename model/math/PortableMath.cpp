#include "model/math/PortableMath.h"

extern "C" {
double vartel_musl_log(double x);
double vartel_musl_log10(double x);
double vartel_musl_exp(double x);
}

namespace vartel::math {

double Log(double x)
{
    return vartel_musl_log(x);
}

double Log10(double x)
{
    return vartel_musl_log10(x);
}

double Exp(double x)
{
    return vartel_musl_exp(x);
}

} // namespace vartel::math
