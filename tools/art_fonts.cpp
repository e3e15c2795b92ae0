// The two fonts' pictures, cut exactly as the glyph tables cut them. Large
// glyphs stand on one baseline whatever their y offset, so a line of text
// reads level; the small atlas keeps each glyph's ink off the columns another
// rectangle also covers, so no glyph shows a neighbour's edge.
#include <iterator>
#include <vector>

#include "graphics/font.h"
#include "tools/art.h"
#include "tools/art_kit.h"

namespace {

constexpr std::uint32_t White = 0xffffffffu;
constexpr int LargeBaseline = 25;     // texel row of the baseline in a glyph drawn with y offset 0
constexpr int LargePixelSize = 32;
constexpr int SmallBaseline = 12;     // texel row of the baseline within a 16-texel band
constexpr int SmallPixelSize = 12;
constexpr float SmallWidest = 1.3f;   // how far a letter narrower than its cell is widened
constexpr int AtlasWidth = 256;
constexpr int AtlasHeight = 32;
// The menus' fill, which the game tints green for the panel, blue for the row under the pointer and red for the
// pressed row: each tint keeps only its own channel, so the green one is dim enough for white text on the panel
// and the red and blue ones are whole, for bars that stand out on it.
constexpr std::uint32_t MenuFill = 0xffff50ffu;

// Slots of the large font that hold something other than their own character.
struct STANDIN {
    char Slot;
    unsigned long Code;  // the character drawn there (Unicode)
};

constexpr STANDIN StandIns[] = {
    {'#', 0xC1}, {';', 0xC9}, {'<', 0xCD}, {'=', 0xD3}, {'>', 0xDA}, {'[', 0xE1},
    {'\\', 0xE9}, {']', 0xED}, {'^', 0xF3}, {'_', 0xFA}, {'`', 0xA9},
};

unsigned long LargeCode(char slot)
{
    for (const STANDIN& standIn : StandIns)
        if (standIn.Slot == slot)
            return standIn.Code;
    return static_cast<unsigned char>(slot);
}

// The backing pictures: a rule under a line of text, plain, with a jewel, or dotted.
void Backing(CANVAS& c, int style)
{
    c.Line(8, 29, 248, 29, 2.0f, White);
    if (style == 1) {
        POINT2 jewel[] = {{128, 23}, {134, 29}, {128, 35}, {122, 29}};
        c.Polygon(jewel, 4, White);
    } else if (style == 2) {
        for (int x = 16; x < 248; x += 16)
            c.Ellipse(static_cast<float>(x), 26.0f, 1.5f, 1.5f, White);
    }
}

void Arrow(CANVAS& c, bool up)
{
    float tip = up ? 4.0f : 28.0f, base = up ? 16.0f : 16.0f, tail = up ? 28.0f : 4.0f;
    POINT2 head[] = {{16, tip}, {27, base}, {5, base}};
    c.Polygon(head, 3, White);
    c.Line(16, base, 16, tail, 6.0f, White);
}

void Coin(ARTKIT& kit, CANVAS& c)
{
    c.Ellipse(16, 16, 12, 12, White);
    c.Ring(16, 16, 9.5f, 1.5f, 0xff000000u);
    kit.Bold.DrawFitted(c, 'V', 10, 12, 9, 24, 22, 14, 0x000000);
}

PICTURE LargeGlyph(ARTKIT& kit, int index, const GLYPH& row)
{
    char slot = static_cast<char>(FontFirstCharacter + index);
    int rectangleWidth = row.Advance + 2;  // the large font is loaded wide
    PICTURE picture{CANVAS(PowerOfTwo(rectangleWidth), PowerOfTwo(row.Height)), AlphaThreshold};
    CANVAS& c = picture.Canvas;
    switch (slot) {
    case ' ': Backing(c, 0); break;
    case '{': Backing(c, 1); break;
    case '~': Backing(c, 2); break;
    case '+': Coin(kit, c); break;
    case '|': Arrow(c, true); break;
    case '}': Arrow(c, false); break;
    default:
        kit.Bold.DrawSpanning(c, LargeCode(slot), rectangleWidth, 0, row.Height, LargeBaseline - row.YOffset,
                              LargePixelSize, 0xffffff);
        break;
    }
    return picture;
}

// The small font's signs, set texel by texel: squeezed into cells three to nine texels wide a typeface's
// outline loses its curves, so brackets became bars and the percent a smear. Each row gives the cell's
// columns from its left edge ('#' ink); the blank column at the right spaces the next glyph, and the closing
// bracket leaves its first column to the opening bracket's cell, which shares it.
struct SIGN {
    char Code;
    int Top;  // the band's row of the first row given; the baseline is row 12
    const char* Rows[12];
};

constexpr SIGN Signs[] = {
    {'!', 3, {"##.", "##.", "##.", "##.", "##.", "##.", "...", "##.", "##."}},
    {'"', 3, {"#.#.", "#.#.", "#.#."}},
    {'#', 3, {".##.##..", ".##.##..", "#######.", ".##.##..", ".##.##..", "#######.", ".##.##..", ".##.##.."}},
    {'$', 2, {"...#....", ".#####..", "##.#....", "##.#....", ".####...", "..####..", "...#.##.", "...#.##.",
              ".#####..", "...#....", "...#...."}},
    {'%', 3, {".#...#.", "#.#.#..", ".#..#..", "...#...", "..#....", "..#....", ".#..#..", ".#.#.#.", "#...#.."}},
    {'&', 3, {".###.....", "##.##....", "##.##....", ".###.....", "###..##..", "##...##..", "##..##...", "##..###..",
              ".###..##."}},
    {'\'', 3, {"##.", "##.", "##."}},
    {'(', 3, {"..#.", ".##.", "##..", "##..", "##..", "##..", "##..", "##..", "##..", ".##.", "..#."}},
    {')', 3, {".#..", ".##.", "..##", "..##", "..##", "..##", "..##", "..##", "..##", ".##.", ".#.."}},
    {'+', 4, {"...##....", "...##....", "...##....", "########.", "########.", "...##....", "...##....", "...##...."}},
    {',', 10, {".##.", ".##.", ".#..", "#..."}},
    {'-', 7, {".####..", ".####.."}},
    {'.', 10, {"##.", "##."}},
    {'/', 3, {"....##.", "...##..", "...##..", "..##...", "..##...", ".##....", ".##....", "##.....", "##....."}},
    {':', 5, {"##.", "##.", "...", "...", "...", "##.", "##."}},
    {';', 5, {".##.", ".##.", "....", "....", "....", ".##.", ".##.", ".#..", "#..."}},
    {'<', 5, {"...##.", ".##...", "##....", ".##...", "...##."}},
    {'=', 5, {"#####.", "#####.", "......", "#####.", "#####."}},
    {'>', 5, {"##....", "..##..", "...##.", "..##..", "##...."}},
    {'?', 3, {".####..", "##..##.", "....##.", "...##..", "..##...", "..##...", ".......", "..##...", "..##..."}},
    {'@', 3, {"..#####.", ".#.....#", "#..###.#", "#.#..#.#", "#.#..#.#", "#.#..#.#", "#..####.", "#.......",
              ".#......", "..####.."}},
};

const SIGN* FindSign(int code)
{
    for (const SIGN& sign : Signs)
        if (sign.Code == code)
            return &sign;
    return nullptr;
}

void PaintSign(CANVAS& c, const SIGN& sign, int left, int bandTop)
{
    for (int row = 0; row < 12 && sign.Rows[row] != nullptr; row++)
        for (int column = 0; sign.Rows[row][column] != '\0'; column++)
            if (sign.Rows[row][column] == '#')
                c.Set(left + column, bandTop + sign.Top + row, White);
}

// A rectangle of the atlas that holds a picture of its own.
struct CELL {
    int Code;
    int Left;
    int Top;
    int Width;
    int Height;
};

bool HasOwnCell(int code)
{
    // Lower-case letters borrow the capitals' cells (z its own, one texel off Z's); the space, '~' and the
    // double quote share empty cells at the left.
    return !(code >= 'a' && code <= 'z') && code != ' ' && code != '~';
}

bool IsFramePiece(int code)
{
    return code == '[' || code == '\\' || code == ']' || code == '{' || code == '|' || code == '}' || code == '^' ||
           code == '_' || code == '`';
}

// The menu frame: a border line one texel in from the outside edge, dark fill inside it.
void FramePiece(CANVAS& c, const CELL& cell)
{
    int x0 = cell.Left, y0 = cell.Top, w = cell.Width, h = cell.Height;
    bool top = cell.Code == '[' || cell.Code == '\\' || cell.Code == ']';
    bool bottom = cell.Code == '{' || cell.Code == '|' || cell.Code == '}';
    bool left = cell.Code == '[' || cell.Code == '{' || cell.Code == '^';
    bool right = cell.Code == ']' || cell.Code == '}' || cell.Code == '`';
    int borderRow = top ? 1 : bottom ? h - 2 : -1;
    int borderColumn = left ? 1 : right ? w - 2 : -1;
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            bool outside = (top && y < borderRow) || (bottom && y > borderRow) || (left && x < borderColumn) ||
                           (right && x > borderColumn);
            if (outside)
                continue;
            bool border = y == borderRow || x == borderColumn;
            c.Set(x0 + x, y0 + y, border ? White : MenuFill);
        }
    }
}

PICTURE SmallAtlas(ARTKIT& kit)
{
    PICTURE picture{CANVAS(AtlasWidth, AtlasHeight), AlphaThreshold};
    CANVAS& c = picture.Canvas;
    std::vector<CELL> cells;
    for (int i = 0; i < FontGlyphs; i++) {
        const GLYPH& row = SmallFontTable[i];
        int code = FontFirstCharacter + i;
        if (HasOwnCell(code))
            cells.push_back({code, row.SourceX, row.SourceY, row.Advance, row.Height});
    }
    auto shared = [&](const CELL& self, int x) {
        for (const CELL& other : cells)
            if (other.Code != self.Code && x >= other.Left && x < other.Left + other.Width &&
                other.Top < self.Top + self.Height && self.Top < other.Top + other.Height)
                return true;
        return false;
    };
    for (const CELL& cell : cells) {
        if (IsFramePiece(cell.Code)) {
            FramePiece(c, cell);
            continue;
        }
        if (const SIGN* sign = FindSign(cell.Code)) {
            PaintSign(c, *sign, cell.Left, cell.Top);
            continue;
        }
        // Ink keeps to the columns no other rectangle covers, and off the last one, which spaces the letters.
        int left = cell.Left, right = cell.Left + cell.Width - 1;
        while (left < right && shared(cell, left))
            left++;
        while (right > left && shared(cell, right - 1))
            right--;
        if (cell.Code == '*') {  // also the menus' separator: a rule across the whole cell
            c.Rectangle(static_cast<float>(cell.Left), static_cast<float>(cell.Top + 7), static_cast<float>(right),
                        static_cast<float>(cell.Top + 9), White);
            continue;
        }
        kit.CondensedBold.DrawFitted(c, static_cast<unsigned long>(cell.Code), left, right - left, cell.Top,
                                     cell.Top + cell.Height, cell.Top + SmallBaseline, SmallPixelSize, 0xffffff,
                                     SmallWidest);
    }
    return picture;
}

bool Write(const std::string& path, const PICTURE& picture, std::string& error)
{
    if (WriteBytes(path, EncodeDds(picture.Canvas, picture.Cut)))
        return true;
    error = "cannot write " + path;
    return false;
}

}  // namespace

bool WriteFonts(ARTKIT& kit, const std::string& folder, std::string& error)
{
    for (int i = 0; i < FontGlyphs; i++) {
        const GLYPH& row = LargeFontTable[i];
        if (row.File[0] == '\0')
            continue;
        if (!Write(folder + "/" + row.File, LargeGlyph(kit, i, row), error))
            return false;
    }
    return Write(folder + "/" + SmallFontAtlas, SmallAtlas(kit), error);
}
