#pragma once

namespace rillo {

// The characters a text rule skips as blanks; each rule names its own set.
enum class Blanks {
    SpacesAndTabs,     // inside a line of a profile file
    AndLineFeeds,      // the leading-number rule
    AndLineEnds,       // a field's whole text, carriage returns too
};

constexpr bool IsBlank(char c, Blanks set) {
    if (c == ' ' || c == '\t') return true;
    if (set == Blanks::SpacesAndTabs) return false;
    return c == '\n' || (c == '\r' && set == Blanks::AndLineEnds);
}

}  // namespace rillo
