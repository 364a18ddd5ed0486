// Student's t distribution for whole degrees of freedom: the chance that |T| exceeds a value, in closed
// form, and the value that a given chance leaves beyond it. The study judges the mean of a few runs,
// whose standard error is itself estimated from those runs, by it.
#pragma once

namespace kadenzo::study {

// The chance that |T| > T for Student's t with DEGREES degrees of freedom (at least 1), from the
// closed form for whole degrees of freedom: a finite sum of powers of cos(theta), theta =
// atan(T / sqrt(DEGREES)). 1 at T = 0 and below; accurate to about 1e-15 absolute.
double studentTwoSidedTail(double t, int degrees);

// The T at which studentTwoSidedTail(T, DEGREES) is TAIL (0 < TAIL < 1), by bisection to a relative
// 1e-12. Throws std::invalid_argument for a TAIL outside (0, 1) or DEGREES below 1.
double studentCriticalValue(double tail, int degrees);

} // namespace kadenzo::study
