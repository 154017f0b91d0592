#pragma once

#include <charconv>
#include <string>

namespace ampera::model {

// A list of a window held as the number of the item chosen, 1 … count. Any
// other text (a later version's item, a hand edit) stands for the fallback
// item, in the calculation as in the window.
struct ListField {
    const char* name;  // the list's control
    int count;
    int fallback;
};

// The item a list's text stands for: its number as the program writes it, else the fallback.
inline int listItem(const std::string& text, const ListField& list) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = error == std::errc() && end == text.data() + text.size();
    return whole && value >= 1 && value <= list.count ? value : list.fallback;
}

}  // namespace ampera::model
