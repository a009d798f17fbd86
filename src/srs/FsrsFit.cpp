// Fitting the weights: every question's logged reviews are replayed through
// the memory model, each review a day or more after the one before is scored
// by how well the model predicted it, and a quasi-Newton search (L-BFGS)
// lowers the mean of those scores. The gradient comes exactly, in one pass,
// from numbers that carry their derivatives by the 21 weights along.

#include "srs/FsrsFit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

#include "srs/FsrsFormulas.h"
#include "srs/ReviewDay.h"
#include "srs/ReviewState.h"
#include "text/Language.h"

namespace {

constexpr size_t kWeights = 21;
// Derivatives kept: three more than weights, always 0, so that every loop
// splits into whole vector registers and the compiler vectorises it.
constexpr size_t kLanes = 24;

// A value and its derivatives by the weights (forward-mode dual number).
struct Dual {
    double v = 0;
    std::array<double, kLanes> d{};

    Dual() = default;
    explicit Dual(double value) : v(value) {}
};

double PlainValue(const Dual& x) {
    return x.v;
}
using ::PlainValue;  // that of double, which the one above would hide

Dual operator+(const Dual& a, const Dual& b) {
    Dual r(a.v + b.v);
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = a.d[i] + b.d[i];
    return r;
}
Dual operator+(Dual a, double b) {
    a.v += b;
    return a;
}
Dual operator+(double a, Dual b) {
    b.v += a;
    return b;
}
Dual operator-(Dual a) {
    a.v = -a.v;
    for (double& x : a.d)
        x = -x;
    return a;
}
Dual operator-(const Dual& a, const Dual& b) {
    Dual r(a.v - b.v);
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = a.d[i] - b.d[i];
    return r;
}
Dual operator-(Dual a, double b) {
    a.v -= b;
    return a;
}
Dual operator-(double a, const Dual& b) {
    Dual r = -b;
    r.v += a;
    return r;
}
Dual operator*(const Dual& a, const Dual& b) {
    Dual r(a.v * b.v);
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = a.d[i] * b.v + a.v * b.d[i];
    return r;
}
Dual operator*(Dual a, double b) {
    a.v *= b;
    for (double& x : a.d)
        x *= b;
    return a;
}
Dual operator/(const Dual& a, const Dual& b) {
    Dual r(a.v / b.v);
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = (a.d[i] - r.v * b.d[i]) / b.v;
    return r;
}
Dual operator/(const Dual& a, double b) {
    Dual r(a.v / b);
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = a.d[i] / b;
    return r;
}
Dual operator/(double a, const Dual& b) {
    Dual r(a / b.v);
    double scale = -r.v / b.v;
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = scale * b.d[i];
    return r;
}
Dual exp(const Dual& a) {
    Dual r(std::exp(a.v));
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = r.v * a.d[i];
    return r;
}
Dual log(const Dual& a) {
    Dual r(std::log(a.v));
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = a.d[i] / a.v;
    return r;
}
// The model raises only positive numbers (stabilities, difficulties, 0.9).
Dual pow(const Dual& a, const Dual& b) {
    Dual r(std::pow(a.v, b.v));
    double byBase = r.v * b.v / a.v;
    double byExponent = r.v * std::log(a.v);
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = byBase * a.d[i] + byExponent * b.d[i];
    return r;
}
Dual pow(double a, const Dual& b) {
    Dual r(std::pow(a, b.v));
    double byExponent = r.v * std::log(a);
    for (size_t i = 0; i < kLanes; ++i)
        r.d[i] = byExponent * b.d[i];
    return r;
}

// One logged review in replay order.
struct Step {
    enum Kind : uint8_t { First, Seeded, Later };
    Kind kind = First;
    bool scored = false;  // enters the loss
    int grade = 3;
    int days = 0;  // learner's days since the question's review before
    double seedStability = 0;
    double seedDifficulty = 0;
};

struct Replay {
    std::vector<Step> steps;
    int64_t usable = 0;  // records a log would take
    int64_t scored = 0;
};

// Questions are replayed one after the other, each in time order. Which
// reviews are scored:
//  - A question's first review gives its first memory; nothing predicts it.
//    A review of a question that is new again (the learner reset it) starts
//    over the same way.
//  - A review on the same learner's day as the one before (the learning
//    steps, a lapse relearned) moves the memory as the scheduler does, but
//    is not scored: the model says recall is certain after 0 days, which
//    tells nothing about the weights and would make a single slip cost
//    without limit.
//  - A question whose log begins after it was first seen (seeded from its
//    old history, or reviewed before the log was kept) has no memory the
//    replay could build. Its second logged review starts from the memory
//    logged with that review (what the scheduler worked out back then) and
//    counts its days from the first logged review. The first itself cannot
//    be scored: nothing says when the review before it was.
Replay PrepareReplay(std::span<const CLSReviewRecord> reviews) {
    Replay replay;
    std::vector<size_t> order;
    order.reserve(reviews.size());
    for (size_t i = 0; i < reviews.size(); ++i)
        if (ReviewRecordProblem(reviews[i]).empty()) order.push_back(i);
    replay.usable = static_cast<int64_t>(order.size());
    // The index breaks ties, so that reviews at the same moment keep the
    // log's order and the replay never depends on the sort's whims.
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const CLSReviewRecord& x = reviews[a];
        const CLSReviewRecord& y = reviews[b];
        if (int c = x.dataFile.compare(y.dataFile)) return c < 0;
        if (x.questionId != y.questionId) return x.questionId < y.questionId;
        if (x.utcMs != y.utcMs) return x.utcMs < y.utcMs;
        return a < b;
    });
    replay.steps.reserve(order.size());
    const CLSReviewRecord* previous = nullptr;
    bool hasMemory = false;
    for (size_t index : order) {
        const CLSReviewRecord& record = reviews[index];
        if (!previous || previous->questionId != record.questionId ||
            previous->dataFile != record.dataFile) {
            previous = nullptr;
            hasMemory = false;
        }
        Step step;
        step.grade = record.grade;
        if (previous)
            step.days = ElapsedDays(previous->utcMs, record.utcMs, record.utcOffsetMinutes,
                                    record.dayStartHour);
        bool isNew = record.stateBefore == static_cast<int>(ReviewPhase::New);
        if (isNew) {
            step.kind = Step::First;
        } else if (hasMemory) {
            step.kind = Step::Later;
        } else if (previous && record.stabilityBefore > 0) {
            step.kind = Step::Seeded;
            step.seedStability = record.stabilityBefore;
            step.seedDifficulty = record.difficultyBefore;
        } else {
            previous = &record;  // only marks the time the next review counts from
            continue;
        }
        step.scored = step.kind != Step::First && step.days >= 1;
        replay.scored += step.scored;
        replay.steps.push_back(step);
        hasMemory = true;
        previous = &record;
    }
    return replay;
}

// Recall predicted as 0 or 1 and missed would cost without limit.
constexpr double kLeastProbability = 1e-9;

template <class T>
T LogLoss(const T& recall, bool remembered) {
    using std::log;
    T p = remembered ? recall : 1.0 - recall;
    if (!(PlainValue(p) >= kLeastProbability)) p = T(kLeastProbability);
    return -log(p);
}

template <class T>
T MeanLoss(const Replay& replay, const std::array<T, kWeights>& w) {
    CLSFsrsFormulas<T> formulas(w);
    std::array<T, 4> firstStability, firstDifficulty;
    for (int grade = 1; grade <= 4; ++grade) {
        firstStability[static_cast<size_t>(grade - 1)] = formulas.initialStability(grade);
        firstDifficulty[static_cast<size_t>(grade - 1)] = formulas.initialDifficulty(grade);
    }
    T sum(0.0), stability(0.0), difficulty(0.0);
    for (const Step& step : replay.steps) {
        if (step.kind == Step::First) {
            stability = firstStability[static_cast<size_t>(step.grade - 1)];
            difficulty = firstDifficulty[static_cast<size_t>(step.grade - 1)];
            continue;
        }
        if (step.kind == Step::Seeded) {
            stability = T(step.seedStability);
            difficulty = T(step.seedDifficulty);
        }
        T recall = formulas.review(stability, difficulty, step.days, step.grade);
        if (step.scored) sum = sum + LogLoss(recall, step.grade >= 2);
    }
    return replay.scored > 0 ? sum / static_cast<double>(replay.scored) : T(0.0);
}

// Where the search may take each weight: every weight positive, the decay
// within what a learner may enter, and upper ends that keep the formulas
// finite and the model sensible (the Easy bonus at least 1, the Hard
// penalty at most 1, the initial difficulty of Again within 1..10).
struct Range {
    double low, high;
};
constexpr std::array<Range, kWeights> kRanges = {{
    // w0-w3: initial stability of each grade, in days
    {0.001, 100},
    {0.001, 100},
    {0.001, 100},
    {0.001, 100},
    // w4-w7: difficulty (w4 that of a first Again, w7 the pull towards Easy)
    {1, 10},
    {0.001, 4},
    {0.001, 4},
    {0.0001, 0.75},
    // w8-w10: growth after a recall
    {0.0001, 6},
    {0.0001, 0.8},
    {0.0001, 6},
    // w11-w14: stability after a lapse
    {0.0001, 10},
    {0.0001, 1},
    {0.0001, 1},
    {0.0001, 6},
    // w15: the Hard penalty, w16: the Easy bonus
    {0.0001, 1},
    {1, 6},
    // w17-w19: same-day reviews, w20: the decay
    {0.0001, 2},
    {0.0001, 2},
    {0.0001, 0.8},
    {0.1, 0.8},
}};

// The search runs over unbounded numbers u, weight = low + (high - low) *
// sigmoid(u): no step can leave the ranges, and near the lower end a step
// in u is a relative change of the weight, which suits weights that differ
// by four orders of magnitude.
constexpr double kLimitU = 10;  // beyond this the sigmoid is flat for the search

using Vector = std::array<double, kWeights>;

double Sigmoid(double u) {
    return 1 / (1 + std::exp(-u));
}

Vector WeightsOf(const Vector& u) {
    Vector w;
    for (size_t i = 0; i < kWeights; ++i)
        w[i] = std::clamp(kRanges[i].low + (kRanges[i].high - kRanges[i].low) * Sigmoid(u[i]),
                          kRanges[i].low, kRanges[i].high);
    return w;
}

Vector SearchPointOf(const Vector& w) {
    Vector u;
    for (size_t i = 0; i < kWeights; ++i) {
        double share = (w[i] - kRanges[i].low) / (kRanges[i].high - kRanges[i].low);
        share = std::clamp(share, 1e-4, 1 - 1e-4);  // also a start beyond its range
        u[i] = std::log(share / (1 - share));
    }
    return u;
}

double Dot(const Vector& a, const Vector& b) {
    return std::inner_product(a.begin(), a.end(), b.begin(), 0.0);
}

double LargestMagnitude(const Vector& a) {
    double m = 0;
    for (double x : a)
        m = std::max(m, std::abs(x));
    return m;
}

class Search {
  public:
    Search(const Replay& replay, const std::function<bool(const CLSFitProgress&)>& progress,
           int steps)
        : m_replay(replay), m_progress(progress), m_steps(std::max(steps, 0)) {}

    bool cancelled() const { return m_cancelled; }
    bool moved() const { return m_moved; }

    // Returns the best point found from u.
    Vector run(Vector u) {
        if (m_steps == 0) return u;
        Vector g;
        double f = evaluate(u, g);
        int flat = 0;
        int step = 0;
        int reported = 0;
        while (step < m_steps) {
            ++step;
            Vector dir = direction(g);
            double slope = Dot(g, dir);
            if (!(slope < 0)) {  // the memory misleads: start again downhill
                forget();
                for (size_t i = 0; i < kWeights; ++i)
                    dir[i] = -g[i];
                slope = -Dot(g, g);
            }
            if (!(slope < 0)) break;  // a stationary point
            // The first step of a fresh memory has no scale: it moves no
            // u by more than 1. No step moves one by more than 4.
            double longest = LargestMagnitude(dir);
            double t = m_s.empty() ? std::min(1.0, 1 / longest) : std::min(1.0, 4 / longest);
            Vector next, gNext;
            double fNext = 0;
            bool accepted = false;
            for (int halving = 0; halving < 40 && !accepted; ++halving, t /= 2) {
                for (size_t i = 0; i < kWeights; ++i)
                    next[i] = std::clamp(u[i] + t * dir[i], -kLimitU, kLimitU);
                fNext = evaluate(next, gNext);
                accepted = std::isfinite(fNext) && fNext <= f + 1e-4 * t * slope;
            }
            if (!accepted) {
                if (m_s.empty()) break;  // not even downhill helps: done
                forget();
                continue;
            }
            remember(next, u, gNext, g);
            flat = f - fNext <= kSettled * f ? flat + 1 : 0;
            u = next;
            f = fNext;
            g = gNext;
            m_moved = true;
            reported = step;
            if (!report(step, f)) return u;
            if (flat >= 3 || LargestMagnitude(g) < 1e-9) break;
        }
        // Done early: the learner's progress bar still ends full.
        if (reported < m_steps) report(m_steps, f);
        return u;
    }

  private:
    bool report(int step, double loss) {
        if (m_progress && !m_progress({step, m_steps, loss})) m_cancelled = true;
        return !m_cancelled;
    }

    double evaluate(const Vector& u, Vector& gradient) const {
        Vector plain = WeightsOf(u);
        std::array<Dual, kWeights> w;
        for (size_t i = 0; i < kWeights; ++i) {
            w[i].v = plain[i];
            w[i].d[i] = 1;
        }
        Dual loss = MeanLoss(m_replay, w);
        for (size_t i = 0; i < kWeights; ++i) {
            // d weight / d u of the sigmoid map
            double span = kRanges[i].high - kRanges[i].low;
            double s = Sigmoid(u[i]);
            gradient[i] = loss.d[i] * span * s * (1 - s);
        }
        return loss.v;
    }

    // The two-loop recursion: minus the inverse Hessian estimate times g.
    Vector direction(const Vector& g) const {
        Vector q = g;
        size_t k = m_s.size();
        std::vector<double> alpha(k);
        for (size_t j = k; j-- > 0;) {
            alpha[j] = m_rho[j] * Dot(m_s[j], q);
            for (size_t i = 0; i < kWeights; ++i)
                q[i] -= alpha[j] * m_y[j][i];
        }
        double gamma = k ? Dot(m_s[k - 1], m_y[k - 1]) / Dot(m_y[k - 1], m_y[k - 1]) : 1;
        for (double& x : q)
            x *= gamma;
        for (size_t j = 0; j < k; ++j) {
            double beta = m_rho[j] * Dot(m_y[j], q);
            for (size_t i = 0; i < kWeights; ++i)
                q[i] += m_s[j][i] * (alpha[j] - beta);
        }
        for (double& x : q)
            x = -x;
        return q;
    }

    void remember(const Vector& u, const Vector& uBefore, const Vector& g, const Vector& gBefore) {
        Vector s, y;
        for (size_t i = 0; i < kWeights; ++i) {
            s[i] = u[i] - uBefore[i];
            y[i] = g[i] - gBefore[i];
        }
        double sy = Dot(s, y);
        // Only pairs that show the loss curving upwards keep the estimate
        // positive definite; the kinks of the model's clamps give others.
        if (!(sy > 1e-12 * std::sqrt(Dot(s, s) * Dot(y, y)))) return;
        if (m_s.size() == kMemory) {
            m_s.erase(m_s.begin());
            m_y.erase(m_y.begin());
            m_rho.erase(m_rho.begin());
        }
        m_s.push_back(s);
        m_y.push_back(y);
        m_rho.push_back(1 / sy);
    }

    void forget() {
        m_s.clear();
        m_y.clear();
        m_rho.clear();
    }

    static constexpr size_t kMemory = 8;
    // Three steps in a row that lower the loss by less than this share end
    // the search: the sampling noise of any log is far larger.
    static constexpr double kSettled = 1e-6;
    const Replay& m_replay;
    const std::function<bool(const CLSFitProgress&)>& m_progress;
    int m_steps;
    bool m_cancelled = false;
    bool m_moved = false;
    std::vector<Vector> m_s, m_y;
    std::vector<double> m_rho;
};

}  // namespace

double ReviewLogLoss(std::span<const CLSReviewRecord> reviews, const CLSFsrsParameters& p) {
    return MeanLoss(PrepareReplay(reviews), p.w);
}

CLSFitResult FitParameters(std::span<const CLSReviewRecord> reviews, const CLSFsrsParameters& start,
                           const std::function<bool(const CLSFitProgress&)>& progress, int steps) {
    CLSFitResult result;
    result.parameters = start;
    Replay replay = PrepareReplay(reviews);
    if (replay.usable < kMinFitReviews) {
        result.problem =
            Fill(VT("パラメーターの最適化には %1 件以上の復習が必要です (いまは %2 件です)"),
                 {std::to_string(kMinFitReviews), std::to_string(replay.usable)});
        return result;
    }
    if (replay.scored == 0) {
        result.problem =
            VT("前の復習から日をまたいだ復習がないため、パラメーターを最適化できません");
        return result;
    }
    if (!CLSFsrsParameters::Parse(start.Format(), &result.problem)) return result;
    result.reviews = replay.scored;
    result.lossBefore = MeanLoss(replay, start.w);
    result.lossAfter = result.lossBefore;
    if (progress && !progress({0, std::max(steps, 0), result.lossBefore})) {
        result.cancelled = true;
        return result;
    }

    Search search(replay, progress, steps);
    Vector u = search.run(SearchPointOf(start.w));
    if (search.cancelled()) {
        result.cancelled = true;
        return result;
    }
    if (!search.moved()) return result;  // nothing found below the start
    CLSFsrsParameters fitted;
    fitted.w = WeightsOf(u);
    // What the learner would store is the text; judge what reads back from it.
    std::optional<CLSFsrsParameters> stored = CLSFsrsParameters::Parse(fitted.Format(), nullptr);
    if (!stored) return result;
    result.lossAfter = MeanLoss(replay, stored->w);
    if (std::isfinite(result.lossAfter) && result.lossAfter < result.lossBefore) {
        result.parameters = *stored;
        result.improved = true;
    }
    return result;
}
