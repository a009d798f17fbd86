#pragma once

#include <algorithm>
#include <array>
#include <cmath>

#include "srs/FsrsModel.h"

// The memory model's formulas, written once over the number type: the
// schedule runs them on doubles, fitting the weights runs them on numbers
// that carry their derivatives by the weights. Writing them twice would let
// the fit tune a model the scheduler does not use.
//
// A number type T besides double needs: construction from a double, + - * /
// among T and with doubles, exp, log and pow found by argument-dependent
// lookup, and PlainValue(x) giving the double for comparisons (a clamp or a
// minimum picks one side, the derivative follows that side).

inline double PlainValue(double x) {
    return x;
}

template <class T>
class CLSFsrsFormulas {
  public:
    // What does not change from review to review is worked out once.
    explicit CLSFsrsFormulas(const std::array<T, 21>& w)
        : m_w(w),
          m_decay(-w[20]),
          m_factor(powOf(0.9, 1.0 / m_decay) - 1.0),
          m_meanDifficulty(w[7] * rawInitialDifficulty(4)),
          m_keptDifficulty(1.0 - w[7]),
          m_recallGrowth(expOf(w[8])),
          m_lapseCap(expOf(w[17] * w[18])) {}

    T retrievability(double elapsedDays, const T& stability) const {
        return powOf(1.0 + m_factor * elapsedDays / stability, m_decay);
    }

    T initialStability(int grade) const {
        return clampStability(m_w[static_cast<size_t>(clampGrade(grade) - 1)]);
    }

    T initialDifficulty(int grade) const { return clampDifficulty(rawInitialDifficulty(grade)); }

    T nextDifficulty(const T& difficulty, int grade) const {
        double delta = -(clampGrade(grade) - 3);
        // The step shrinks as the difficulty nears 10, so it never runs away.
        T damped = difficulty + m_w[6] * delta * (10.0 - difficulty) / 9.0;
        T reverted = m_meanDifficulty + m_keptDifficulty * damped;
        return clampDifficulty(reverted);
    }

    T stabilityAfterRecall(const T& stability, const T& difficulty, const T& r, int grade) const {
        grade = clampGrade(grade);
        T growth = m_recallGrowth * (11.0 - difficulty) * powOf(stability, -m_w[9]) *
                   (expOf(m_w[10] * (1.0 - r)) - 1.0);
        if (grade == 2) growth = growth * m_w[15];  // the Hard penalty
        if (grade == 4) growth = growth * m_w[16];  // the Easy bonus
        return clampStability(stability * (1.0 + growth));
    }

    T stabilityAfterLapse(const T& stability, const T& difficulty, const T& r) const {
        T relearned = m_w[11] * powOf(difficulty, -m_w[12]) *
                      (powOf(stability + 1.0, m_w[13]) - 1.0) * expOf(m_w[14] * (1.0 - r));
        // A lapse never leaves the memory more stable than a same-day Again would.
        T cap = stability / m_lapseCap;
        return clampStability(PlainValue(cap) < PlainValue(relearned) ? cap : relearned);
    }

    T stabilitySameDay(const T& stability, int grade) const {
        grade = clampGrade(grade);
        T increase = expOf(m_w[17] * (grade - 3.0 + m_w[18])) * powOf(stability, -m_w[19]);
        // A pass on the same day never makes the memory less stable.
        if (grade >= 2 && PlainValue(increase) < 1) increase = T(1.0);
        return clampStability(stability * increase);
    }

    /// Moves a question's memory (not its first review) through a review
    /// elapsedDays after the one before; returns the retrievability the
    /// review met (1 on the same day). Both formulas see the state before.
    T review(T& stability, T& difficulty, int elapsedDays, int grade) const {
        T s = clampStability(stability);
        T d = clampDifficulty(difficulty);
        difficulty = nextDifficulty(d, grade);
        if (elapsedDays <= 0) {
            stability = stabilitySameDay(s, grade);
            return T(1.0);
        }
        T r = retrievability(elapsedDays, s);
        stability = clampGrade(grade) == 1 ? stabilityAfterLapse(s, d, r)
                                           : stabilityAfterRecall(s, d, r, grade);
        return r;
    }

    // Written so that a NaN (a damaged stored state) becomes the lower end.
    static T clampStability(const T& s) {
        double v = PlainValue(s);
        if (!(v >= kMinStability)) return T(kMinStability);
        return v > kMaxStability ? T(kMaxStability) : s;
    }

    static T clampDifficulty(const T& d) {
        double v = PlainValue(d);
        if (!(v >= 1)) return T(1.0);
        return v > 10 ? T(10.0) : d;
    }

  private:
    static int clampGrade(int grade) { return std::clamp(grade, 1, 4); }

    template <class A, class B>
    static T powOf(const A& base, const B& exponent) {
        using std::pow;
        return T(pow(base, exponent));
    }
    static T expOf(const T& x) {
        using std::exp;
        return exp(x);
    }

    // The initial difficulty before clamping; the mean difficulty pulls towards
    // the Easy value of this, which lies below 1 with the default weights.
    T rawInitialDifficulty(int grade) const {
        return m_w[4] - expOf(m_w[5] * (clampGrade(grade) - 1.0)) + 1.0;
    }

    const std::array<T, 21>& m_w;
    T m_decay;
    T m_factor;
    T m_meanDifficulty;  // the pull towards the Easy difficulty
    T m_keptDifficulty;
    T m_recallGrowth;
    T m_lapseCap;
};
