#pragma once

#include <memory>
#include <string>

#include "srs/ReviewLog.h"
#include "text/TString.h"

struct sqlite3;
struct sqlite3_stmt;

/// The review log in an SQLite database file (REVIEWLOG.DB). Every append
/// is a transaction of its own and is on disk when it returns; a second
/// program writing the same file is waited for (up to the busy timeout)
/// instead of failing at once.
class CLSSqliteReviewLog : public CLSReviewLog {
  public:
    /// The layout this version writes, kept in the file's user_version.
    static constexpr int kSchemaVersion = 1;
    static constexpr int kDefaultBusyTimeoutMs = 5000;

    /// Opens the log at path (a program path), creating it when missing.
    /// Fails with the program's message, leaving the file as it was, for a
    /// file that is no database or no review log, a log of a newer version,
    /// anything but a regular file, and a folder that cannot be written.
    static CLSReviewLogResult<std::unique_ptr<CLSSqliteReviewLog>> open(
        const CLSTString& path, int busyTimeoutMs = kDefaultBusyTimeoutMs);
    /// A log held in memory until it is destroyed (for trying things out).
    static CLSReviewLogResult<std::unique_ptr<CLSSqliteReviewLog>> openInMemory();

    ~CLSSqliteReviewLog() override;
    CLSSqliteReviewLog(const CLSSqliteReviewLog&) = delete;
    CLSSqliteReviewLog& operator=(const CLSSqliteReviewLog&) = delete;

    CLSReviewLogResult<int64_t> append(const CLSReviewRecord& record) override;
    CLSReviewLogStatus regrade(int64_t rowId, int grade) override;
    CLSReviewLogResult<std::vector<CLSReviewRecord>> reviews() const override;
    CLSReviewLogResult<int64_t> count() const override;
    CLSReviewLogResult<std::vector<CLSRetentionWeek>> trueRetentionByWeek(
        int utcOffsetMinutes, int dayStartHour) const override;
    CLSReviewLogResult<std::vector<CLSStudyDay>> studyTimeByDay(int utcOffsetMinutes,
                                                                int dayStartHour) const override;
    CLSReviewLogResult<std::vector<CLSMissedQuestion>> mostMissed(int limit) const override;
    CLSReviewLogResult<int64_t> newReviewedOnDay(const std::string& dataFile, int64_t dayStartUtcMs,
                                                 int64_t dayEndUtcMs) const override;

  private:
    explicit CLSSqliteReviewLog(sqlite3* db);
    static CLSReviewLogResult<std::unique_ptr<CLSSqliteReviewLog>> setUp(sqlite3* db,
                                                                         bool inMemory);
    /// The cached statement of sql, prepared on first use; null on failure.
    sqlite3_stmt* statement(const char* sql) const;
    std::string readError() const;
    std::string writeError() const;

    sqlite3* m_db;
    struct Statements;
    std::unique_ptr<Statements> m_statements;
};
