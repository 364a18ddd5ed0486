// Judging a point's analysis against the plugin played.
#include "study/study_verdict.h"

#include "study/student_t.h"

#include <cmath>

namespace kadenzo::study {

namespace {

// The distance of ANALYSED from SIMULATED in standard errors, the error no less than leastError.
double distance(double simulated, double analysed, double error) {
    return (simulated - analysed) / std::sqrt(error * error + leastError * leastError);
}

} // namespace

double falseAlarmChance() {
    return std::erfc(4.0 / std::sqrt(2.0));
}

double criticalDistance(int runs) {
    return studentCriticalValue(falseAlarmChance(), runs - 1);
}

const char* verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::agrees:
        return "agrees";
    case Verdict::differs:
        return "differs";
    case Verdict::tooFewRuns:
        return "too few runs";
    case Verdict::notWorkedOut:
        return "not worked out";
    }
    return "";
}

Agreement agreementOf(const SpeedAnalysis& analysis, const SimulatedPoint& simulated) {
    Agreement agreement;
    agreement.accuracyDistance =
        distance(simulated.meanAccuracy, analysis.meanAccuracy, simulated.accuracyError);
    agreement.speedDistance = distance(simulated.meanSpeed, analysis.meanSpeed, simulated.speedError);
    const double bound = criticalDistance(simulated.runs);
    const bool beyond =
        !(std::fabs(agreement.accuracyDistance) <= bound && std::fabs(agreement.speedDistance) <= bound);
    agreement.verdict = beyond                                 ? Verdict::differs
                        : simulated.runs < leastRunsToJudge ? Verdict::tooFewRuns
                                                               : Verdict::agrees;
    return agreement;
}

Agreement notWorkedOut() {
    Agreement agreement;
    agreement.verdict = Verdict::notWorkedOut;
    return agreement;
}

} // namespace kadenzo::study
