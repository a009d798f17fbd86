// The review log in SQLite: opening and checking the file, appending and
// correcting reviews, and the queries of the statistics.

#include "srs/SqliteReviewLog.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <utility>
#include <vector>

#include "text/Language.h"
#include "text/Paths.h"

namespace {

using LogResult = CLSReviewLogResult<std::unique_ptr<CLSSqliteReviewLog>>;

std::string cannotWrite(const std::string& why) {
    return Fill(VT("復習の記録を書き込めません: %1"), {why});
}
std::string cannotRead(const std::string& why) {
    return Fill(VT("復習の記録を読めません: %1"), {why});
}

// Marks the file as ours, so that another program's database is never taken
// for an empty log and changed ("VrRL").
constexpr int kApplicationId = 0x56725246;

const char* const kSchema = R"(
BEGIN IMMEDIATE;
CREATE TABLE IF NOT EXISTS reviews (
    id INTEGER PRIMARY KEY,
    question_id INTEGER NOT NULL,
    data_file TEXT NOT NULL,
    utc_ms INTEGER NOT NULL,
    utc_offset_minutes INTEGER NOT NULL,
    day_start_hour INTEGER NOT NULL,
    grade INTEGER NOT NULL CHECK (grade BETWEEN 1 AND 4),
    state_before INTEGER NOT NULL CHECK (state_before BETWEEN 0 AND 3),
    stability_before REAL NOT NULL,
    difficulty_before REAL NOT NULL,
    answer_ms INTEGER NOT NULL
) STRICT;
CREATE INDEX IF NOT EXISTS reviews_by_time ON reviews (utc_ms);
CREATE INDEX IF NOT EXISTS reviews_in_review ON reviews (utc_ms, grade) WHERE state_before = 2;
CREATE INDEX IF NOT EXISTS reviews_new ON reviews (data_file, utc_ms) WHERE state_before = 0;
CREATE INDEX IF NOT EXISTS reviews_again ON reviews (question_id, data_file) WHERE grade = 1;
PRAGMA user_version = 1;
PRAGMA application_id = 1450332742;
COMMIT;
)";
static_assert(kApplicationId == 1450332742 && CLSSqliteReviewLog::kSchemaVersion == 1,
              "the schema text sets both");

const char* const kHeader =
    "SELECT (SELECT application_id FROM pragma_application_id), "
    "(SELECT user_version FROM pragma_user_version), (SELECT count(*) FROM sqlite_schema)";

const char* const kInsert =
    "INSERT INTO reviews (question_id, data_file, utc_ms, utc_offset_minutes, day_start_hour, "
    "grade, state_before, stability_before, difficulty_before, answer_ms) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)";
const char* const kRegrade = "UPDATE reviews SET grade = ?2 WHERE id = ?1";
const char* const kAll =
    "SELECT question_id, data_file, utc_ms, utc_offset_minutes, day_start_hour, grade, "
    "state_before, stability_before, difficulty_before, answer_ms FROM reviews "
    "ORDER BY utc_ms, id";
const char* const kCount = "SELECT count(*) FROM reviews";

// The learner's day of utc_ms is (utc_ms + ?1) floored to whole days, ?1
// being the start of the day after UTC midnight in ms; SQLite's % keeps
// the dividend's sign, hence the second %. Day 0 (1970-01-01) was a
// Thursday, so a week's Monday is three days before a multiple of seven.
const char* const kRetention =
    "SELECT day - ((day + 3) % 7 + 7) % 7 AS week, count(*), sum(grade >= 2) FROM "
    "(SELECT (utc_ms + ?1 - ((utc_ms + ?1) % 86400000 + 86400000) % 86400000) / 86400000 "
    "AS day, grade FROM reviews WHERE state_before = 2) GROUP BY week ORDER BY week";
const char* const kStudyTime =
    "SELECT day, count(*), sum(answer_ms) FROM "
    "(SELECT (utc_ms + ?1 - ((utc_ms + ?1) % 86400000 + 86400000) % 86400000) / 86400000 "
    "AS day, answer_ms FROM reviews) GROUP BY day ORDER BY day";

const char* const kMostMissed =
    "SELECT question_id, data_file, count(*) AS again FROM reviews WHERE grade = 1 "
    "GROUP BY question_id, data_file ORDER BY again DESC, data_file, question_id LIMIT ?1";
const char* const kNewOnDay =
    "SELECT count(DISTINCT question_id) FROM reviews "
    "WHERE data_file = ?1 AND state_before = 0 AND utc_ms >= ?2 AND utc_ms < ?3";

// SQLite's text after the program's own words for the failures a learner
// can do something about.
std::string describe(sqlite3* db) {
    const char* words = nullptr;
    switch (sqlite3_errcode(db) & 0xff) {
        case SQLITE_NOTADB:
            words = VT("データベースのファイルではありません");
            break;
        case SQLITE_CORRUPT:
            words = VT("ファイルが壊れています");
            break;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            words = VT("ほかのプログラムが使っています");
            break;
        case SQLITE_CANTOPEN:
            words = VT("ファイルを開けません");
            break;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            words = VT("書き込みが許されていません");
            break;
        case SQLITE_FULL:
            words = VT("ディスクがいっぱいです");
            break;
        case SQLITE_IOERR:
            words = VT("ファイルの読み書きに失敗しました");
            break;
        case SQLITE_NOMEM:
            words = VT("メモリが足りません");
            break;
        default:
            break;
    }
    std::string text = db ? sqlite3_errmsg(db) : "out of memory";
    return words ? std::string(words) + " (" + text + ")" : text;
}

// Resets a cached statement when leaving the call that used it, so that no
// read transaction stays open between calls: it would keep the other
// program's writes out of the database file.
class StatementUse {
  public:
    explicit StatementUse(sqlite3_stmt* statement) : m_statement(statement) {}
    ~StatementUse() {
        if (m_statement) {
            sqlite3_reset(m_statement);
            sqlite3_clear_bindings(m_statement);
        }
    }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

  private:
    sqlite3_stmt* m_statement;
};

// Text bound for the length of one step, which the caller's string outlives.
int bindText(sqlite3_stmt* s, int index, const std::string& text) {
    return sqlite3_bind_text(s, index, text.data(), static_cast<int>(text.size()), nullptr);
}

std::string columnText(sqlite3_stmt* s, int column) {
    const unsigned char* text = sqlite3_column_text(s, column);
    int bytes = sqlite3_column_bytes(s, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(bytes))
                : std::string();
}

// The application id, user_version and number of schema objects; false
// when the file cannot be read as a database.
bool readHeader(sqlite3* db, int* applicationId, int* version, int* objects) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, kHeader, -1, &s, nullptr) != SQLITE_OK) return false;
    bool ok = sqlite3_step(s) == SQLITE_ROW;
    if (ok) {
        *applicationId = sqlite3_column_int(s, 0);
        *version = sqlite3_column_int(s, 1);
        *objects = sqlite3_column_int(s, 2);
    }
    sqlite3_finalize(s);
    return ok;
}

// Runs statements that return no rows; false on the first failure.
bool execute(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace

struct CLSSqliteReviewLog::Statements {
    ~Statements() {
        for (auto& [sql, statement] : cached)
            sqlite3_finalize(statement);
    }
    std::vector<std::pair<const char*, sqlite3_stmt*>> cached;
};

CLSSqliteReviewLog::CLSSqliteReviewLog(sqlite3* db)
    : m_db(db), m_statements(std::make_unique<Statements>()) {}

CLSSqliteReviewLog::~CLSSqliteReviewLog() {
    m_statements.reset();
    sqlite3_close_v2(m_db);
}

LogResult CLSSqliteReviewLog::open(const CLSTString& path, int busyTimeoutMs) {
    std::string native = NativePath(path);
    if (native.empty()) return LogResult::failure(cannotWrite(VT("ファイル名がありません")));
    // SQLite takes a name beginning with ':' or "file:" for one of its own.
    if (native[0] != '/') native = "./" + native;
    // A named pipe or a device would have SQLite wait for data or read
    // something that is no file; only regular files are opened.
    struct stat info {};
    bool exists = ::stat(native.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode))
        return LogResult::failure(cannotRead(VT("普通のファイルではありません")));
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(native.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        std::string message = exists ? cannotRead(describe(db)) : cannotWrite(describe(db));
        sqlite3_close(db);
        return LogResult::failure(message);
    }
    sqlite3_busy_timeout(db, busyTimeoutMs);
    return setUp(db, false);
}

LogResult CLSSqliteReviewLog::openInMemory() {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        std::string message = cannotWrite(describe(db));
        sqlite3_close(db);
        return LogResult::failure(message);
    }
    return setUp(db, true);
}

LogResult CLSSqliteReviewLog::setUp(sqlite3* db, bool inMemory) {
    auto fail = [db](const std::string& message) {
        sqlite3_close(db);
        return LogResult::failure(message);
    };
    // Everything is read before anything is written, so that a file that is
    // not ours, or one of a newer version, stays as it is.
    int applicationId = 0;
    int version = 0;
    int objects = 0;
    if (!readHeader(db, &applicationId, &version, &objects)) return fail(cannotRead(describe(db)));
    if (version > kSchemaVersion && applicationId == kApplicationId)
        return fail(cannotRead(Fill(VT("このプログラムより新しい版で作られています (版 %1)"),
                                    {std::to_string(version)})));
    bool empty = applicationId == 0 && version == 0 && objects == 0;
    if (!empty && (applicationId != kApplicationId || version < 1))
        return fail(cannotRead(VT("復習の記録のファイルではありません")));
    // Readers never block the writer and an append is one small write to
    // the journal. FULL makes an answered review survive a power cut too.
    if (!inMemory &&
        (!execute(db, "PRAGMA journal_mode = WAL") || !execute(db, "PRAGMA synchronous = FULL")))
        return fail(cannotWrite(describe(db)));
    // Another program may be creating the same log: the tables are created
    // only if missing, in a write transaction, which waits for the other.
    if (empty && !execute(db, kSchema)) {
        std::string message = cannotWrite(describe(db));
        execute(db, "ROLLBACK");
        return fail(message);
    }
    return LogResult(std::unique_ptr<CLSSqliteReviewLog>(new CLSSqliteReviewLog(db)));
}

sqlite3_stmt* CLSSqliteReviewLog::statement(const char* sql) const {
    for (auto& [text, cached] : m_statements->cached) {
        if (text == sql) return cached;
    }
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK)
        return nullptr;
    m_statements->cached.emplace_back(sql, s);
    return s;
}

std::string CLSSqliteReviewLog::readError() const {
    return cannotRead(describe(m_db));
}

std::string CLSSqliteReviewLog::writeError() const {
    return cannotWrite(describe(m_db));
}

CLSReviewLogResult<int64_t> CLSSqliteReviewLog::append(const CLSReviewRecord& r) {
    std::string problem = ReviewRecordProblem(r);
    if (!problem.empty()) return CLSReviewLogResult<int64_t>::failure(cannotWrite(problem));
    sqlite3_stmt* s = statement(kInsert);
    StatementUse use(s);
    // One statement outside a transaction is a transaction of its own.
    if (!s || sqlite3_bind_int64(s, 1, static_cast<sqlite3_int64>(r.questionId)) != SQLITE_OK ||
        bindText(s, 2, r.dataFile) != SQLITE_OK || sqlite3_bind_int64(s, 3, r.utcMs) != SQLITE_OK ||
        sqlite3_bind_int(s, 4, r.utcOffsetMinutes) != SQLITE_OK ||
        sqlite3_bind_int(s, 5, r.dayStartHour) != SQLITE_OK ||
        sqlite3_bind_int(s, 6, r.grade) != SQLITE_OK ||
        sqlite3_bind_int(s, 7, r.stateBefore) != SQLITE_OK ||
        sqlite3_bind_double(s, 8, r.stabilityBefore) != SQLITE_OK ||
        sqlite3_bind_double(s, 9, r.difficultyBefore) != SQLITE_OK ||
        sqlite3_bind_int64(s, 10, r.answerMs) != SQLITE_OK || sqlite3_step(s) != SQLITE_DONE)
        return CLSReviewLogResult<int64_t>::failure(writeError());
    return CLSReviewLogResult<int64_t>(sqlite3_last_insert_rowid(m_db));
}

CLSReviewLogStatus CLSSqliteReviewLog::regrade(int64_t rowId, int grade) {
    std::string problem = ReviewGradeProblem(grade);
    if (!problem.empty()) return CLSReviewLogStatus::failure(cannotWrite(problem));
    sqlite3_stmt* s = statement(kRegrade);
    StatementUse use(s);
    if (!s || sqlite3_bind_int64(s, 1, rowId) != SQLITE_OK ||
        sqlite3_bind_int(s, 2, grade) != SQLITE_OK || sqlite3_step(s) != SQLITE_DONE)
        return CLSReviewLogStatus::failure(writeError());
    if (sqlite3_changes(m_db) != 1)
        return CLSReviewLogStatus::failure(
            cannotWrite(Fill(VT("記録 %1 がありません"), {std::to_string(rowId)})));
    return CLSReviewLogStatus(std::monostate{});
}

namespace {

// Steps through the rows of a bound statement, handing each to row; false
// when a step fails.
template <class Row>
bool eachRow(sqlite3_stmt* s, Row row) {
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        row();
    return rc == SQLITE_DONE;
}

// ms from the start of a learner's day to UTC midnight (added to a UTC time,
// it gives the time since the learner's day began in whole days).
int64_t dayShift(int utcOffsetMinutes, int dayStartHour) {
    return int64_t{utcOffsetMinutes} * 60'000 - int64_t{dayStartHour} * 3'600'000;
}

}  // namespace

CLSReviewLogResult<std::vector<CLSReviewRecord>> CLSSqliteReviewLog::reviews() const {
    using Result = CLSReviewLogResult<std::vector<CLSReviewRecord>>;
    sqlite3_stmt* s = statement(kAll);
    StatementUse use(s);
    std::vector<CLSReviewRecord> records;
    if (!s || !eachRow(s, [&] {
            CLSReviewRecord& r = records.emplace_back();
            r.questionId = static_cast<uint64_t>(sqlite3_column_int64(s, 0));
            r.dataFile = columnText(s, 1);
            r.utcMs = sqlite3_column_int64(s, 2);
            r.utcOffsetMinutes = sqlite3_column_int(s, 3);
            r.dayStartHour = sqlite3_column_int(s, 4);
            r.grade = sqlite3_column_int(s, 5);
            r.stateBefore = sqlite3_column_int(s, 6);
            r.stabilityBefore = sqlite3_column_double(s, 7);
            r.difficultyBefore = sqlite3_column_double(s, 8);
            r.answerMs = sqlite3_column_int64(s, 9);
        }))
        return Result::failure(readError());
    return Result(std::move(records));
}

CLSReviewLogResult<int64_t> CLSSqliteReviewLog::count() const {
    sqlite3_stmt* s = statement(kCount);
    StatementUse use(s);
    if (!s || sqlite3_step(s) != SQLITE_ROW)
        return CLSReviewLogResult<int64_t>::failure(readError());
    return CLSReviewLogResult<int64_t>(sqlite3_column_int64(s, 0));
}

CLSReviewLogResult<std::vector<CLSRetentionWeek>> CLSSqliteReviewLog::trueRetentionByWeek(
    int utcOffsetMinutes, int dayStartHour) const {
    using Result = CLSReviewLogResult<std::vector<CLSRetentionWeek>>;
    std::string problem = ReviewDayProblem(utcOffsetMinutes, dayStartHour);
    if (!problem.empty()) return Result::failure(cannotRead(problem));
    sqlite3_stmt* s = statement(kRetention);
    StatementUse use(s);
    std::vector<CLSRetentionWeek> weeks;
    if (!s || sqlite3_bind_int64(s, 1, dayShift(utcOffsetMinutes, dayStartHour)) != SQLITE_OK ||
        !eachRow(s, [&] {
            weeks.push_back({sqlite3_column_int64(s, 0), sqlite3_column_int64(s, 1),
                             sqlite3_column_int64(s, 2)});
        }))
        return Result::failure(readError());
    return Result(std::move(weeks));
}

CLSReviewLogResult<std::vector<CLSStudyDay>> CLSSqliteReviewLog::studyTimeByDay(
    int utcOffsetMinutes, int dayStartHour) const {
    using Result = CLSReviewLogResult<std::vector<CLSStudyDay>>;
    std::string problem = ReviewDayProblem(utcOffsetMinutes, dayStartHour);
    if (!problem.empty()) return Result::failure(cannotRead(problem));
    sqlite3_stmt* s = statement(kStudyTime);
    StatementUse use(s);
    std::vector<CLSStudyDay> days;
    if (!s || sqlite3_bind_int64(s, 1, dayShift(utcOffsetMinutes, dayStartHour)) != SQLITE_OK ||
        !eachRow(s, [&] {
            days.push_back({sqlite3_column_int64(s, 0), sqlite3_column_int64(s, 1),
                            sqlite3_column_int64(s, 2)});
        }))
        return Result::failure(readError());
    return Result(std::move(days));
}

CLSReviewLogResult<std::vector<CLSMissedQuestion>> CLSSqliteReviewLog::mostMissed(int limit) const {
    using Result = CLSReviewLogResult<std::vector<CLSMissedQuestion>>;
    std::vector<CLSMissedQuestion> missed;
    if (limit <= 0) return Result(std::move(missed));
    sqlite3_stmt* s = statement(kMostMissed);
    StatementUse use(s);
    if (!s || sqlite3_bind_int(s, 1, limit) != SQLITE_OK || !eachRow(s, [&] {
            missed.push_back({static_cast<uint64_t>(sqlite3_column_int64(s, 0)), columnText(s, 1),
                              sqlite3_column_int64(s, 2)});
        }))
        return Result::failure(readError());
    return Result(std::move(missed));
}

CLSReviewLogResult<int64_t> CLSSqliteReviewLog::newReviewedOnDay(const std::string& dataFile,
                                                                 int64_t dayStartUtcMs,
                                                                 int64_t dayEndUtcMs) const {
    sqlite3_stmt* s = statement(kNewOnDay);
    StatementUse use(s);
    if (!s || bindText(s, 1, dataFile) != SQLITE_OK ||
        sqlite3_bind_int64(s, 2, dayStartUtcMs) != SQLITE_OK ||
        sqlite3_bind_int64(s, 3, dayEndUtcMs) != SQLITE_OK || sqlite3_step(s) != SQLITE_ROW)
        return CLSReviewLogResult<int64_t>::failure(readError());
    return CLSReviewLogResult<int64_t>(sqlite3_column_int64(s, 0));
}
