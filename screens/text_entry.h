// The one-line name field of the high-score name entry, fed one typed character at a time.
#pragma once

#include <cstdint>

constexpr int TextEntrySize = 64;
constexpr int TextEntryOutputSize = 77;

class TEXTENTRY {
public:
    char Text[TextEntrySize] = {};          // the typed characters; every byte after the last is 0
    std::int8_t Length = 0;                 // characters in Text
    std::int8_t MaxLength = 23;             // the most characters the field takes
    char Output[TextEntryOutputSize] = {};  // what GetText fills and returns

    void Clear();                           // empty, MaxLength kept
    void AddChar(int c);                    // a typed character: Backspace, a letter, a digit or a space
    void Backspace();                       // the last character goes
    const char* GetText(bool caret);        // the text, with "*" after it when caret is set; valid until the next call
};

extern TEXTENTRY TextEntry;
