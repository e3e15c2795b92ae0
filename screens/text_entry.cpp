// The name field: letters in the case typed, digits and spaces; nothing else is kept.
#include "screens/text_entry.h"

#include <cstring>

#include "platform/input.h"

TEXTENTRY TextEntry;

namespace {

// Compared as a signed character, so codes 128 to 255 never match.
bool IsNameCharacter(int c)
{
    const signed char s = static_cast<signed char>(c);
    return (s >= '0' && s <= '9') || (s >= 'A' && s <= 'Z') || (s >= 'a' && s <= 'z') || s == ' ';
}

}  // namespace

void TEXTENTRY::Clear()
{
    std::memset(Text, 0, sizeof(Text));
    Length = 0;
}

// Backspace works also when the field is full.
void TEXTENTRY::AddChar(int c)
{
    if (c == KeyBackspace) {
        Backspace();
        return;
    }
    if (Length >= MaxLength || !IsNameCharacter(c))
        return;
    Text[Length] = static_cast<char>(c);
    Length += 1;
}

void TEXTENTRY::Backspace()
{
    if (Length == 0)
        return;
    Length -= 1;
    Text[Length] = 0;
}

const char* TEXTENTRY::GetText(bool caret)
{
    std::strcpy(Output, Text);
    if (caret)
        std::strcat(Output, "*");
    return Output;
}
