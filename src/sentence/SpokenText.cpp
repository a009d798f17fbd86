#include "sentence/SpokenText.h"

#include <algorithm>
#include <array>

#include "sentence/Sentence.h"
#include "text/Language.h"

namespace {

std::string lowerExtension(std::string_view fileName) {
    size_t dot = fileName.find_last_of('.');
    size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && slash > dot))
        return {};
    std::string ext(fileName.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return ext;
}

// The last path part: a reader hears "apple.png", not the folders.
std::string_view baseName(std::string_view fileName) {
    size_t slash = fileName.find_last_of("/\\");
    return slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
}

const char* kindWord(CLSMediaKind kind) {
    switch (kind) {
        case CLSMediaKind::kPicture:
            return VT("画像: %1");
        case CLSMediaKind::kSound:
            return VT("音声: %1");
        case CLSMediaKind::kVideo:
            break;
    }
    return VT("動画: %1");
}

void appendSpaced(std::string& out, std::string_view piece) {
    if (piece.empty()) return;
    if (!out.empty() && out.back() != ' ') out += ' ';
    out += piece;
}

}  // namespace

CLSMediaKind MediaKindByName(std::string_view fileName) {
    static constexpr std::array<std::string_view, 12> kPictures = {
        "png", "mng", "bmp", "jpg", "jpeg", "gif", "ico", "wmf", "emf", "tif", "tiff", "svg"};
    static constexpr std::array<std::string_view, 11> kSounds = {
        "wav", "mp3", "ogg", "oga", "opus", "flac", "m4a", "aac", "wma", "mid", "midi"};
    std::string ext = lowerExtension(fileName);
    if (std::find(kPictures.begin(), kPictures.end(), ext) != kPictures.end()) {
        return CLSMediaKind::kPicture;
    }
    if (std::find(kSounds.begin(), kSounds.end(), ext) != kSounds.end()) {
        return CLSMediaKind::kSound;
    }
    return CLSMediaKind::kVideo;
}

std::string SpokenObjectText(const CLSSentenceItemObject& object) {
    std::string_view name = object.fileName.view();
    return Fill(kindWord(MediaKindByName(name)), {baseName(name)});
}

std::string SpokenText(const CLSSentence& sentence) {
    CLSSentence plain = sentence;
    plain.unescape();
    std::string out;
    bool afterObject = false;
    for (const CLSSentenceItem& item : plain.items()) {
        if (item.isObject()) {
            appendSpaced(out, SpokenObjectText(item.object()));
            afterObject = true;
            continue;
        }
        std::string_view run = item.string().view();
        if (afterObject && !run.empty() && run.front() != ' ') out += ' ';
        afterObject = false;
        for (size_t i = 0; i < run.size(); ++i) {
            char c = run[i];
            if (c == '\r' || c == '\n') {
                // CR LF, a lone CR and a lone LF are each one break.
                if (c == '\r' && i + 1 < run.size() && run[i + 1] == '\n') ++i;
                if (!out.empty() && out.back() != ' ') out += ' ';
                continue;
            }
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}
