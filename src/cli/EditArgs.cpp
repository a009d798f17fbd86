#include "cli/EditArgs.h"

namespace {

// Decimal digits only, at most nine, so that the value fits an int.
bool decimal(std::string_view text, int& value) {
    if (text.empty() || text.size() > 9) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool sortKey(std::string_view text, CLSSortKey& key) {
    key = CLSSortKey();
    size_t colon = text.find(':');
    std::string_view name = text.substr(0, colon);
    if (colon != std::string_view::npos) {
        std::string_view direction = text.substr(colon + 1);
        if (direction == "desc") {
            key.descending = true;
        } else if (direction != "asc") {
            return false;
        }
    }
    if (name == "question") {
        key.by = SortBy::kQuestion;
    } else if (name == "answer") {
        key.by = SortBy::kAnswer;
    } else if (name == "group") {
        key.by = SortBy::kGroup;
    } else if (name == "comment") {
        key.by = SortBy::kComment;
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool ParseNumberRange(std::string_view text, int& from, int& to) {
    size_t dash = text.find('-');
    if (dash == std::string_view::npos) return false;
    return decimal(text.substr(0, dash), from) && decimal(text.substr(dash + 1), to);
}

bool ParseSortKeys(std::string_view text, CLSSortKey& first, CLSSortKey& second) {
    size_t comma = text.find(',');
    if (!sortKey(text.substr(0, comma), first)) return false;
    if (comma == std::string_view::npos) {
        second = first;
        return true;
    }
    return sortKey(text.substr(comma + 1), second);
}

bool ParseTargetMask(std::string_view text, int& mask) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string_view hex = text.substr(2);
        if (hex.size() > 8) return false;
        mask = 0;
        for (char c : hex) {
            int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
            if (digit < 0) return false;
            mask = mask * 16 + digit;
            if (mask > SearchTarget::kAll) return false;
        }
        return true;
    }
    return decimal(text, mask) && mask <= SearchTarget::kAll;
}

bool ParseGroup(std::string_view text, int& group) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '9') return false;
    group = text[0] - '0';
    return true;
}
