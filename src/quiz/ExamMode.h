#pragma once

/// The kind of a run and how its questions are picked, kept as the one word
/// the exam history's method names and the re-ask requests are made from.
/// The low four bits are the kind, the others modifiers.
class CLSExamMode {
  public:
    enum Kind {
        kCounted = 0,  // a given number of random questions
        kAll = 2,
        kWeak = 3,
        kComplete = 4,  // until every question has been answered right
        kRetryWrong = 5,
        kRetryAll = 6,
        kRetrySelected = 7,
        kReview = 8,  // the questions due for review, then the day's new ones
    };
    // Modifier bits.
    static constexpr int kRandom = 0x10;
    static constexpr int kNoRepeat = 0x20;
    static constexpr int kFromList = 0x40;

    /// No run.
    constexpr CLSExamMode() = default;
    static constexpr CLSExamMode fromValue(int value) { return CLSExamMode(value); }

    // The runs of the study menu.
    static constexpr CLSExamMode inOrder() { return CLSExamMode(kAll); }
    static constexpr CLSExamMode randomAll() { return CLSExamMode(kAll | kRandom | kNoRepeat); }
    static constexpr CLSExamMode counted() { return CLSExamMode(kCounted | kRandom); }
    static constexpr CLSExamMode weakPoints() { return CLSExamMode(kWeak | kRandom); }
    static constexpr CLSExamMode complete() { return CLSExamMode(kComplete | kRandom | kNoRepeat); }
    static constexpr CLSExamMode review() { return CLSExamMode(kReview); }
    /// Asking the questions of a list again (the wrong ones of the last run,
    /// or those of a past run): kind is kRetryWrong, kRetryAll or kRetrySelected.
    static constexpr CLSExamMode reask(Kind kind, bool random) {
        return CLSExamMode(kFromList | static_cast<int>(kind) | (random ? kRandom : 0));
    }

    constexpr int value() const { return m_value; }
    constexpr Kind kind() const { return static_cast<Kind>(m_value & 0x0F); }
    constexpr bool isRunning() const { return m_value != 0; }
    constexpr bool isRandom() const { return (m_value & kRandom) != 0; }
    constexpr bool isNoRepeat() const { return (m_value & kNoRepeat) != 0; }
    constexpr bool isFromList() const { return (m_value & kFromList) != 0; }
    /// Every question of the range once, in file order.
    constexpr bool isInOrder() const { return !isRandom() && !isFromList() && kind() == kAll; }
    /// Every question of the range once, at random.
    constexpr bool isRandomAll() const { return isRandom() && !isFromList() && kind() == kAll; }
    constexpr bool isComplete() const { return !isFromList() && kind() == kComplete; }
    constexpr bool isWeak() const { return !isFromList() && kind() == kWeak; }
    constexpr bool isReview() const { return !isFromList() && kind() == kReview; }
    /// The runs whose question count the learner gives (counted and weak points).
    constexpr bool asksCount() const {
        return isRandom() && !isFromList() && (kind() == kCounted || kind() == kWeak);
    }
    constexpr CLSExamMode withNoRepeat() const { return CLSExamMode(m_value | kNoRepeat); }

    constexpr bool operator==(const CLSExamMode&) const = default;

  private:
    constexpr explicit CLSExamMode(int value) : m_value(value) {}
    int m_value = 0;
};

/// The judgement of one asked question.
enum class Verdict { kRight, kWrong, kSkipped };
