#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The memory model of the review schedule: how stable a question's memory is,
// how difficult the question is, how likely it is still remembered after some
// days, and how a review changes all of that.

/// The model's 21 weights w0..w20; w20 is the decay of the forgetting curve.
struct CLSFsrsParameters {
    std::array<double, 21> w{};

    /// The weights fitted on many learners, used until a learner's own are fitted.
    static CLSFsrsParameters Defaults();
    /// The 21 numbers, comma-separated, each in its shortest form that reads
    /// back to the same value.
    std::string Format() const;
    /// Reads 21 numbers, or 19 of the previous model (completed with w19 = 0
    /// and decay 0.5), separated by commas and/or spaces. Returns nothing and
    /// sets *error (when given) to a message for a wrong count, a text that
    /// is not a number, a negative or non-finite weight or a decay outside
    /// 0.1-0.8.
    static std::optional<CLSFsrsParameters> Parse(std::string_view text, std::string* error);

    bool operator==(const CLSFsrsParameters&) const = default;
};

/// What the model knows of one question's memory.
struct CLSMemoryState {
    double stability = 0;   // days until recall falls to 90 %
    double difficulty = 0;  // 1 (easy) .. 10 (hard)

    bool operator==(const CLSMemoryState&) const = default;
};

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;
constexpr int kMaxIntervalDays = 36500;

/// The exponent of the forgetting curve (-w20).
double FsrsDecay(const CLSFsrsParameters& p);
/// The factor that makes recall 90 % after `stability` days.
double FsrsFactor(const CLSFsrsParameters& p);

/// Probability of recall after elapsedDays with the given stability.
double Retrievability(double elapsedDays, double stability, const CLSFsrsParameters& p);

/// Days after which recall falls to desiredRetention, unrounded.
double NextIntervalRaw(double stability, double desiredRetention, const CLSFsrsParameters& p);
/// The interval in whole days, at least 1 and at most maximumInterval (itself
/// kept within 1..36500). A retention that gives no number yields 1 day.
int NextIntervalDays(double stability, double desiredRetention, const CLSFsrsParameters& p,
                     int maximumInterval = kMaxIntervalDays);

/// grade: 1 Again, 2 Hard, 3 Good, 4 Easy; other values are taken as the
/// nearest of these.
double InitialStability(int grade, const CLSFsrsParameters& p);
double InitialDifficulty(int grade, const CLSFsrsParameters& p);

/// Difficulty after a review with the given grade, within 1..10.
double NextDifficulty(double difficulty, int grade, const CLSFsrsParameters& p);
/// Stability after a recall (Hard, Good or Easy) at retrievability r.
double StabilityAfterRecall(double stability, double difficulty, double r, int grade,
                            const CLSFsrsParameters& p);
/// Stability after a lapse (Again) at retrievability r.
double StabilityAfterLapse(double stability, double difficulty, double r,
                           const CLSFsrsParameters& p);
/// Stability after a further review on the same day.
double StabilitySameDay(double stability, int grade, const CLSFsrsParameters& p);

/// The memory after a review: the first one (no state) gives the initial
/// stability and difficulty; later ones use the days since the last review.
CLSMemoryState NextMemoryState(const std::optional<CLSMemoryState>& state, int elapsedDays,
                               int grade, const CLSFsrsParameters& p);
