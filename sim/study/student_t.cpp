// Student's t for whole degrees of freedom: the closed form of its two-sided tail, and its inverse by
// bisection.
#include "study/student_t.h"

#include <cmath>
#include <stdexcept>

namespace kadenzo::study {

namespace {

constexpr double pi = 3.14159265358979323846;

// The chance that |T| < T: with c = cos(theta) and s = sin(theta), for odd DEGREES
//   (2 / pi) (theta + s (c + 2/3 c^3 + (2 4)/(3 5) c^5 + ... up to c^(DEGREES - 2))),
// theta alone for one degree, and for even DEGREES
//   s (1 + 1/2 c^2 + (1 3)/(2 4) c^4 + ... up to c^(DEGREES - 2)).
double withinChance(double t, int degrees) {
    const double theta = std::atan(t / std::sqrt(static_cast<double>(degrees)));
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const bool odd = degrees % 2 == 1;
    double term = odd ? c : 1.0;
    double sum = 0.0;
    // The powers of c: 1, 3, ..., DEGREES - 2 when odd; 0, 2, ..., DEGREES - 2 when even.
    for (int power = odd ? 1 : 0; power <= degrees - 2; power += 2) {
        sum += term;
        term *= c * c * static_cast<double>(power + 1) / static_cast<double>(power + 2);
    }
    return odd ? 2.0 / pi * (theta + s * sum) : s * sum;
}

} // namespace

double studentTwoSidedTail(double t, int degrees) {
    if (!(t > 0.0)) return 1.0;
    return 1.0 - withinChance(t, degrees);
}

double studentCriticalValue(double tail, int degrees) {
    if (!(tail > 0.0 && tail < 1.0)) throw std::invalid_argument("the tail must lie between 0 and 1");
    if (degrees < 1) throw std::invalid_argument("Student's t needs at least one degree of freedom");
    double low = 0.0;
    double high = 1.0;
    while (studentTwoSidedTail(high, degrees) > tail)
        high *= 2.0;
    while (high - low > 1e-12 * high) {
        const double middle = 0.5 * (low + high);
        if (studentTwoSidedTail(middle, degrees) > tail)
            low = middle;
        else
            high = middle;
    }
    return 0.5 * (low + high);
}

} // namespace kadenzo::study
