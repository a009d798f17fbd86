#include "srs/FsrsModel.h"

#include <algorithm>
#include <cmath>

namespace {

int clampGrade(int grade) {
    return std::clamp(grade, 1, 4);
}

// Written so that a NaN (a damaged stored state) becomes the lower end.
double clampStability(double s) {
    return s >= kMinStability ? std::min(s, kMaxStability) : kMinStability;
}

double clampDifficulty(double d) {
    return d >= 1 ? std::min(d, 10.0) : 1.0;
}

// The initial difficulty before clamping; the mean difficulty pulls towards
// the Easy value of this, which lies below 1 with the default weights.
double rawInitialDifficulty(int grade, const CLSFsrsParameters& p) {
    return p.w[4] - std::exp(p.w[5] * (clampGrade(grade) - 1)) + 1;
}

}  // namespace

double FsrsDecay(const CLSFsrsParameters& p) {
    return -p.w[20];
}

double FsrsFactor(const CLSFsrsParameters& p) {
    return std::pow(0.9, 1 / FsrsDecay(p)) - 1;
}

double Retrievability(double elapsedDays, double stability, const CLSFsrsParameters& p) {
    return std::pow(1 + FsrsFactor(p) * elapsedDays / stability, FsrsDecay(p));
}

double NextIntervalRaw(double stability, double desiredRetention, const CLSFsrsParameters& p) {
    return stability / FsrsFactor(p) * (std::pow(desiredRetention, 1 / FsrsDecay(p)) - 1);
}

int NextIntervalDays(double stability, double desiredRetention, const CLSFsrsParameters& p,
                     int maximumInterval) {
    int upper = std::clamp(maximumInterval, 1, kMaxIntervalDays);
    double days = std::round(NextIntervalRaw(stability, desiredRetention, p));
    if (std::isnan(days)) return 1;
    return static_cast<int>(std::clamp(days, 1.0, static_cast<double>(upper)));
}

double InitialStability(int grade, const CLSFsrsParameters& p) {
    return clampStability(p.w[static_cast<size_t>(clampGrade(grade) - 1)]);
}

double InitialDifficulty(int grade, const CLSFsrsParameters& p) {
    return clampDifficulty(rawInitialDifficulty(grade, p));
}

double NextDifficulty(double difficulty, int grade, const CLSFsrsParameters& p) {
    double delta = -p.w[6] * (clampGrade(grade) - 3);
    // The step shrinks as the difficulty nears 10, so it never runs away.
    double damped = difficulty + delta * (10 - difficulty) / 9;
    double reverted = p.w[7] * rawInitialDifficulty(4, p) + (1 - p.w[7]) * damped;
    return clampDifficulty(reverted);
}

double StabilityAfterRecall(double stability, double difficulty, double r, int grade,
                            const CLSFsrsParameters& p) {
    grade = clampGrade(grade);
    double hardPenalty = grade == 2 ? p.w[15] : 1;
    double easyBonus = grade == 4 ? p.w[16] : 1;
    double growth = std::exp(p.w[8]) * (11 - difficulty) * std::pow(stability, -p.w[9]) *
                    (std::exp(p.w[10] * (1 - r)) - 1) * hardPenalty * easyBonus;
    return clampStability(stability * (1 + growth));
}

double StabilityAfterLapse(double stability, double difficulty, double r,
                           const CLSFsrsParameters& p) {
    double relearned = p.w[11] * std::pow(difficulty, -p.w[12]) *
                       (std::pow(stability + 1, p.w[13]) - 1) * std::exp(p.w[14] * (1 - r));
    // A lapse never leaves the memory more stable than a same-day Again would.
    double cap = stability / std::exp(p.w[17] * p.w[18]);
    return clampStability(std::min(relearned, cap));
}

double StabilitySameDay(double stability, int grade, const CLSFsrsParameters& p) {
    grade = clampGrade(grade);
    double increase = std::exp(p.w[17] * (grade - 3 + p.w[18])) * std::pow(stability, -p.w[19]);
    // A pass on the same day never makes the memory less stable.
    if (grade >= 2) increase = std::max(increase, 1.0);
    return clampStability(stability * increase);
}

CLSMemoryState NextMemoryState(const std::optional<CLSMemoryState>& state, int elapsedDays,
                               int grade, const CLSFsrsParameters& p) {
    grade = clampGrade(grade);
    if (!state) return {InitialStability(grade, p), InitialDifficulty(grade, p)};
    double s = clampStability(state->stability);
    double d = clampDifficulty(state->difficulty);
    CLSMemoryState next;
    next.difficulty = NextDifficulty(d, grade, p);
    if (elapsedDays <= 0) {
        next.stability = StabilitySameDay(s, grade, p);
    } else {
        double r = Retrievability(elapsedDays, s, p);
        next.stability =
            grade == 1 ? StabilityAfterLapse(s, d, r, p) : StabilityAfterRecall(s, d, r, grade, p);
    }
    return next;
}
