// Commands over the text foundation: normalisation, lines and records.

#include <cstdlib>

#include "cli/Cli.h"
#include "cli/Json.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/FileReadLine.h"

namespace {

int runNormalize(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {"--flags"}, {});
    if (!args.error().empty() || args.positional().size() != 1) return CliUsage("normalize");
    long long flags = 0;
    if (!CliNumber("--flags", args.value("--flags", "0"), 0, 15, flags, 0)) return 1;
    CLSTString text;
    if (!CliText(args.positional()[0], text)) return 1;
    if (flags & 1) text.toUpper();
    if (flags & 2) text.toKatakana();
    if (flags & 4) text.toHalfWidth();
    if (flags & 8) text.removeSymbols();
    text.removeAll('\r').removeAll('\n');
    CliPrint(text.str() + "\n");
    return 0;
}

bool openInput(CLSFileReadLine& file, const std::string& path) {
    if (file.openNative(path)) return true;
    CliFailOpen(path);
    return false;
}

int runLines(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {}, {});
    if (!args.error().empty() || args.positional().size() != 1) return CliUsage("lines");
    CLSFileReadLine file;
    if (!openInput(file, args.positional()[0])) return 1;
    JsonWriter json;
    json.beginArray();
    CLSTString line;
    while (file.readLine(line))
        json.value(line);
    json.endArray();
    CliPrint(json.text() + "\n");
    return 0;
}

int runFields(const std::vector<std::string>& tokens) {
    CliArgs args(tokens, {}, {"--tab"});
    if (!args.error().empty() || args.positional().size() != 1) return CliUsage("fields");
    CLSFileReadLine file;
    if (!openInput(file, args.positional()[0])) return 1;
    char separator = args.has("--tab") ? '\t' : ',';
    JsonWriter json;
    json.beginArray();
    CLSTStringArray fields;
    while (file.readFields(fields, separator)) {
        json.beginArray();
        for (const CLSTString& f : fields)
            json.value(f);
        json.endArray();
    }
    json.endArray();
    CliPrint(json.text() + "\n");
    return 0;
}

CliRegistrar normalize({"normalize", "--flags N TEXT",
                        "applies toUpper (1), toKatakana (2), toHalfWidth (4), removeSymbols (8), "
                        "then removes line breaks",
                        runNormalize});
CliRegistrar lines({"lines", "FILE", "prints the lines of a text file as a JSON array", runLines});
CliRegistrar fields({"fields", "FILE [--tab]",
                     "prints the comma- (or TAB-) separated records of a file as JSON arrays",
                     runFields});

}  // namespace
