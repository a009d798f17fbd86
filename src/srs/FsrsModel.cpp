#include "srs/FsrsModel.h"

#include <algorithm>
#include <cmath>

#include "srs/FsrsFormulas.h"

double FsrsDecay(const CLSFsrsParameters& p) {
    return -p.w[20];
}

double FsrsFactor(const CLSFsrsParameters& p) {
    return std::pow(0.9, 1 / FsrsDecay(p)) - 1;
}

double Retrievability(double elapsedDays, double stability, const CLSFsrsParameters& p) {
    return CLSFsrsFormulas<double>(p.w).retrievability(elapsedDays, stability);
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
    return CLSFsrsFormulas<double>(p.w).initialStability(grade);
}

double InitialDifficulty(int grade, const CLSFsrsParameters& p) {
    return CLSFsrsFormulas<double>(p.w).initialDifficulty(grade);
}

double NextDifficulty(double difficulty, int grade, const CLSFsrsParameters& p) {
    return CLSFsrsFormulas<double>(p.w).nextDifficulty(difficulty, grade);
}

double StabilityAfterRecall(double stability, double difficulty, double r, int grade,
                            const CLSFsrsParameters& p) {
    return CLSFsrsFormulas<double>(p.w).stabilityAfterRecall(stability, difficulty, r, grade);
}

double StabilityAfterLapse(double stability, double difficulty, double r,
                           const CLSFsrsParameters& p) {
    return CLSFsrsFormulas<double>(p.w).stabilityAfterLapse(stability, difficulty, r);
}

double StabilitySameDay(double stability, int grade, const CLSFsrsParameters& p) {
    return CLSFsrsFormulas<double>(p.w).stabilitySameDay(stability, grade);
}

CLSMemoryState NextMemoryState(const std::optional<CLSMemoryState>& state, int elapsedDays,
                               int grade, const CLSFsrsParameters& p) {
    CLSFsrsFormulas<double> formulas(p.w);
    if (!state) return {formulas.initialStability(grade), formulas.initialDifficulty(grade)};
    CLSMemoryState next = *state;
    formulas.review(next.stability, next.difficulty, elapsedDays, grade);
    return next;
}
