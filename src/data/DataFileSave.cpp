// Saving a data file, and what happens when another program changed the
// file since it was read: every save goes through here.

#include <string>
#include <vector>

#include "data/DataFileReader.h"
#include "data/DataFileWriter.h"
#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileReadLine.h"
#include "text/Language.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/SafeFile.h"

namespace {

const char* const kSource = "VRLFILE";
// The unmatched questions listed at most; the rest are counted.
constexpr size_t kListedQuestions = 20;

enum Answer { kReload, kSaveAs, kOverwrite, kNone };

// text holds %1 for the file's path.
CLSTString quoted(const char* text, const CLSTString& path) {
    return CLSTString(Fill(text, {path.view()}));
}

CLSTString unmatchedText(const std::vector<CLSTString>& questions) {
    CLSTString text(
        VT("次の問題は読み込み直したファイルに見つからないため、解答を反映できませんでした。\n"));
    for (size_t i = 0; i < questions.size() && i < kListedQuestions; ++i)
        text.append("\n").append(questions[i]);
    if (questions.size() > kListedQuestions) {
        text.append("\n").append(
            Fill(VT("ほか %1 問"), {std::to_string(questions.size() - kListedQuestions)}).c_str());
    }
    return text;
}

}  // namespace

bool CLSVorelDataFile::isFileRead(const CLSTString& path) const {
    if (!m_fingerprint.valid) return false;
    if (path == m_path) return true;
    // Another name of the same file (a link, "./a.vrf").
    CLSFileFingerprint other;
    return StatIntoFingerprint(NativePath(path), other) && other.device == m_fingerprint.device &&
           other.inode == m_fingerprint.inode;
}

CLSSaveResult CLSVorelDataFile::save(const CLSTString& path) {
    CLSTraceScope trace("CLSVorelDataFile::saveFile");
    if (!isFileRead(path)) return writeTo(path);
    if (m_readOnly) {
        m_prompter->message(
            PromptIcon::Warning,
            quoted(VT("ファイル「%1」は読み取り専用で開いているため保存できません。"), path));
        return CLSSaveResult::kDeclined;
    }
    std::string native = NativePath(path);
    while (true) {
        CLSDiskState state = CompareWithDisk(native, m_fingerprint);
        if (state == CLSDiskState::kSame) return writeTo(path);
        if (state == CLSDiskState::kMissing) {
            // Deleted or moved away meanwhile: the document is all there is.
            if (!m_prompter->askYesNo(
                    PromptIcon::Question,
                    quoted(VT("ファイル「%1」は見つかりません。保存し直しますか？"), path))) {
                return CLSSaveResult::kDeclined;
            }
            return writeTo(path);
        }
        switch (askAboutChange(path)) {
            case kReload:
                // The file just read may change again before it is written;
                // the check runs once more.
                if (!reloadAndApply()) return CLSSaveResult::kCancelled;
                continue;
            case kSaveAs:
                return m_observer && m_observer->saveUnderAnotherName() ? CLSSaveResult::kSaved
                                                                        : CLSSaveResult::kCancelled;
            case kOverwrite:
                return writeTo(path);
            default:
                return CLSSaveResult::kCancelled;
        }
    }
}

int CLSVorelDataFile::askAboutChange(const CLSTString& path) {
    CLSTString text =
        quoted(VT("ファイル「%1」は読み込んだ後に他のプログラムで変更されています。"), path);
    const CLSTString reload(VT("読み込み直して反映(&R)"));
    const CLSTString saveAs(VT("名前を付けて保存(&A)…"));
    const CLSTString overwrite(VT("上書き(&O)"));
    if (m_edited) {
        // Edited lines cannot be matched with someone else's: only recorded
        // answers go into the newer copy.
        text.append(VT("\n\n編集した内容は、他のプログラムによる変更と合わせることができません。"));
        int answer = m_prompter->askChoice(PromptIcon::Warning, text, {saveAs, overwrite}, 0);
        return answer == 0 ? kSaveAs : answer == 1 ? kOverwrite : kNone;
    }
    int answer = m_prompter->askChoice(PromptIcon::Warning, text, {reload, saveAs, overwrite}, 0);
    return answer >= kReload && answer <= kOverwrite ? answer : kNone;
}

bool CLSVorelDataFile::readWholeFile(const CLSTString& path, CLSDataFileBody& body, int& version,
                                     CLSTextEncoding& encoding, CLSFileFingerprint& fingerprint) {
    try {
        CLSFileReadLine file;
        if (!file.open(path)) {
            m_prompter->message(PromptIcon::Error, quoted(VT("ファイル %1 を開けません。"), path));
            return false;
        }
        file.startFingerprint();
        CLSTString line;
        if (!file.readLineBytes(line) || !ReadDataFileHeader(line, &version, &encoding)) {
            m_prompter->message(PromptIcon::Error,
                                CLSTString(VT("Vorelデータファイルではありません。")));
            return false;
        }
        if (const char* problem = DataFileHeaderProblem(version, encoding)) {
            m_prompter->message(PromptIcon::Error, CLSTString(problem));
            return false;
        }
        ReadDataFileBody(file, version, encoding, m_settings.historySize(), *m_prompter, body);
        fingerprint = file.fingerprint();
        return true;
    } catch (const CLSError& e) {
        showError(e, *m_prompter);
        return false;
    }
}

bool CLSVorelDataFile::reloadAndApply() {
    CLSTraceScope trace("CLSVorelDataFile::reloadAndApply");
    CLSDataFileBody body;
    int version = 0;
    CLSTextEncoding encoding = CLSTextEncoding::kCp932;
    CLSFileFingerprint fingerprint;
    if (!readWholeFile(m_path, body, version, encoding, fingerprint)) return false;
    // The screens let go of the lines (a run ends) as for any load.
    if (m_observer) m_observer->reloading();
    std::vector<const CLSVorelDataQuestion*> from;
    for (const auto& line : m_lines) {
        if (line->isQuestion()) from.push_back(&line->question());
    }
    // The old lines live until their answers have gone over.
    std::vector<std::unique_ptr<CLSVorelDataItem>> old = std::move(m_lines);
    clearLines();
    for (auto& item : body.lines)
        insertOwned(getItemCount(), std::move(item));
    m_groupNames = body.groupNames;
    m_message = body.message;
    m_version = version;
    m_encoding = encoding;
    std::vector<CLSVorelDataQuestion*> to;
    for (const auto& line : m_lines) {
        if (line->isQuestion()) to.push_back(&line->question());
    }
    std::vector<CLSTString> unmatched =
        ApplyAnswerJournal(m_journal, from, to, m_settings.historySize());
    old.clear();
    m_journal.clear();
    m_fingerprint = fingerprint;
    m_edited = false;
    m_modified = true;
    if (m_observer) m_observer->reloaded();
    notifyCaption();
    if (!unmatched.empty()) m_prompter->message(PromptIcon::Warning, unmatchedText(unmatched));
    return true;
}

CLSSaveResult CLSVorelDataFile::writeTo(const CLSTString& path) {
    CLSFileSafeWrite out;
    if (!out.open(path)) {
        showError(CLSError(kSource, __LINE__, CLSError::kWrite), *m_prompter);
        return CLSSaveResult::kFailed;
    }
    CLSFileFingerprint written;
    try {
        out.file().startFingerprint();
        WriteDataFile(out.file(), *this);
        // Never a "?" in place of the learner's text: the old file stays.
        // (U+FFFD stands for bytes that were no character; it was "?" in
        // the edited line already.)
        std::string lost = out.file().unmappable();
        for (size_t at; (at = lost.find("\xEF\xBF\xBD")) != std::string::npos;)
            lost.erase(at, 3);
        if (!lost.empty()) {
            // clang-format off
            std::string text =
                Fill(VT("Shift-JIS で表せない文字があるため保存できません: %1\n\n「データ情報」でファイルを UTF-8 にしてから保存してください。"),
                     {lost});
            // clang-format on
            m_prompter->message(PromptIcon::Error, CLSTString(text));
            return CLSSaveResult::kFailed;
        }
        out.commit();
        written = out.file().fingerprint();
    } catch (const CLSError&) {
        showError(CLSError(kSource, __LINE__, CLSError::kWrite), *m_prompter);
        return CLSSaveResult::kFailed;
    }
    // What was written is what the next save compares with; the file's
    // time and identity are those after the rename.
    StatIntoFingerprint(NativePath(path), written);
    bool sameFile = isFileRead(path);
    m_fingerprint = written;
    m_journal.clear();
    m_edited = false;
    // Written under another name, the document is that file now.
    if (!sameFile) m_readOnly = false;
    m_path = path;
    notifyCaption();
    return CLSSaveResult::kSaved;
}
