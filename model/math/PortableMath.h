#pragma once
// The transcendental functions of the model, compiled from one source (musl's) into every build, so that
// every machine and C library gives the same bits. Plain C library semantics for 0, negatives, inf and NaN.

namespace vartel::math {

double Log(double x);
double Log10(double x);
double Exp(double x);

} // namespace vartel::math
