// The review schedule of a data file's questions, as JSON.

#include <cstdlib>
#include <optional>
#include <string>

#include "cli/Cli.h"
#include "cli/CliClock.h"
#include "cli/Json.h"
#include "data/VorelDataFile.h"
#include "quiz/ReviewRun.h"
#include "settings/SettingsFolder.h"
#include "settings/VorelSettings.h"
#include "srs/FsrsModel.h"
#include "srs/ReviewScheduler.h"

namespace {

const char* phaseName(ReviewPhase phase) {
    switch (phase) {
        case ReviewPhase::New:
            return "new";
        case ReviewPhase::Learning:
            return "learning";
        case ReviewPhase::Review:
            return "review";
        case ReviewPhase::Relearning:
            return "relearning";
    }
    return "new";
}

int runSrs(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--now", "--retention"}, {});
    if (!args.error().empty() || args.positional().size() != 1) {
        if (!args.error().empty()) CliFail(args.error());
        return CliUsage("srs");
    }
    std::optional<CLSStartedClock> started;
    if (!CliStartClock(args, started)) return 1;
    const Clock& clock = started ? static_cast<const Clock&>(*started) : SystemClock();
    std::optional<double> retention;
    if (args.has("--retention")) {
        const std::string text = args.value("--retention");
        char* end = nullptr;
        double r = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != 0 || !(r > 0 && r < 1)) {
            return CliFail("--retention takes a number between 0 and 1, such as 0.9");
        }
        retention = r;
    }

    CLSTString path;
    if (!CliPath(args.positional()[0], path)) return 1;
    CLSVorelSettings settings;
    settings.loadSettings(SettingsFilePath());
    CliPrompter prompter;
    CLSVorelDataFile doc(settings, prompter, clock);
    if (!doc.loadFile(path)) return 1;

    const int offset = clock.utcOffsetMinutes();
    const int64_t now = clock.utcMillis();
    CLSReviewSettings scheduler = settings.review().schedulerSettings(offset);
    JsonWriter j;
    j.beginArray();
    for (int q = 0; q < doc.getQuestionCount(); ++q) {
        CLSReviewState state = ReviewStateOf(doc.getQuestion(q)->question(), scheduler);
        j.beginObject().key("number").value(q + 1).key("state").value(phaseName(state.phase));
        if (state.phase == ReviewPhase::New) {
            j.key("stability").null().key("difficulty").null();
            j.key("lastReview").null().key("due").null().key("retrievability").null();
        } else {
            int64_t due = state.dueMs;
            if (retention && state.phase == ReviewPhase::Review) {
                int days = NextIntervalDays(state.stability, *retention, scheduler.parameters,
                                            scheduler.maximumInterval);
                due = state.lastReviewMs + days * int64_t{86'400'000};
            }
            j.key("stability").number(state.stability).key("difficulty").number(state.difficulty);
            j.key("lastReview").value(CliLocalText(state.lastReviewMs, offset));
            j.key("due").value(CliLocalText(due, offset));
            std::optional<double> r = RetrievabilityAt(state, now, scheduler);
            j.key("retrievability");
            if (r) {
                j.number(*r);
            } else {
                j.null();
            }
        }
        j.endObject();
    }
    j.endArray();
    CliPrint(j.text() + "\n");
    return 0;
}

CliRegistrar srs({"srs", "FILE [--now YYYY-MM-DDTHH:MM] [--retention R]",
                  "prints the review schedule of every question as JSON, in file order (a "
                  "question without a stored schedule shows the one its history gives); "
                  "--retention recomputes the due dates for that retention",
                  runSrs});

}  // namespace
