// Popup menus of a selected piece: framed lists of rows over the board with a hover and a pressed bar, chosen with the pointer.
#pragma once

#include <cstdint>

class FONT;
struct PIECEBASE;
class PIECE;
class PLAYER;
class SPELLHAND;

constexpr int MenuPanelCount = 16;      // panels of MENUS; panel n holds page n
constexpr int MenuItemSlots = 32;       // row records of a panel
constexpr int MenuRowLimit = 16;        // rows a panel actually takes; later rows are dropped
constexpr int MenuTextSize = 64;        // a row text and its terminator
constexpr int MenuRowHeight = 16;       // pixels per row
constexpr int MenuInset = 4;            // the rows start this far right of and below the panel's corner
constexpr int MenuTextIndent = 2;       // the row text starts this far right of the row
constexpr int MenuStep = 8;             // frame pieces and bars are laid in steps of this many pixels
constexpr int MenuPlacementGap = 8;     // a panel opens this far right of and below its piece's right edge and top

// What a release over a panel did.
enum MENURESULT : int {
    MenuConfirmed = 0,          // a selectable row was pressed and released
    MenuNotChoosable = 1,       // the release fell on a disabled row, a title or a separator
    MenuNoRow = 2,              // the release confirmed nothing
};

// The pages of a piece menu; page n opens in panel n.
enum MENUPAGE : int {
    PageMain = 0,
    PageInformation = 1,
    PageDreams = 2,
    PageCastSpells = 3,
    PageTransferSpells = 4,
};

// Command ids of the rows; labels and separators carry MenuIdNone.
enum MENUID : int {
    MenuIdNone = -1,
    MenuIdNotYet = 0,                   // no row confirmed since the menus were built
    MenuIdInformation = 1,
    MenuIdMoveAttack = 2,
    MenuIdDreaming = 3,
    MenuIdCastSpell = 4,                // a dreamer's "Cast Spell"
    MenuIdTransferSpell = 5,            // a dreamer's "Transfer Spell"
    MenuIdCancelMain = 7,
    MenuIdCancelDreams = 13,
    MenuIdCancelInformation = 14,
    MenuIdCastListSpell = 15,           // a spell of the "Cast Spell" list
    MenuIdCancelSpells = 16,
    MenuIdTransferListSpell = 17,       // a spell of the "Transfer Spell" list
    MenuIdDream = 18,                   // a dream of the dreams list
    MenuIdEndTurn = 19,
    MenuIdCreatureCastSpell = 20,       // a creature's "Cast Spell"
    MenuIdCreatureTransferSpell = 21,   // a creature's "Transfer Spell"
    MenuIdCancelUnused = 24,            // a cancel id no page builds a row for
};

constexpr int MenuListFirstRow = 2;     // spell and dream lists start under a title and a separator

// One row of a panel.
struct MENUITEM {
    char Text[MenuTextSize] = {};       // at most 63 characters
    MENUID Id = MenuIdNone;             // command id, MenuIdNone for labels and separators
    std::uint32_t Colour = 0xffffff;    // 0xRRGGBB
    std::uint8_t IsUsed = 0;
    std::uint8_t IsEnabled = 0;
    std::uint8_t IsSeparator = 0;
    std::uint8_t IsLabel = 0;

    void Set(const char* text, MENUID id, std::uint32_t colour, bool enabled, bool separator, bool label);  // fills the row, text cut to 63 characters
    bool IsSelectable() const;          // enabled, neither a separator nor a label
};

// One framed list of rows; closed while it has no rows.
class MENUPANEL {
public:
    int Hover = -1;                     // row under the pointer, -1 none
    int Pressed = -1;                   // row pressed with the button, -1 none
    int X = 0;                          // top-left corner in window pixels
    int Y = 0;
    FONT* pFont = nullptr;              // font of the rows, the frame and the bars
    MENUITEM Items[MenuItemSlots];      // only the first MenuRowLimit are used
    int Count = 0;                      // rows in use
    int Widest = 0;                     // widest row text in pixels
    int Width = 0;                      // Widest, copied at every added row
    int Rows = 0;                       // Count, copied at every added row
    std::uint32_t FrameColour = 0x00ff00;
    std::uint32_t Alpha = 200;          // alpha of the frame, separators and bars

    void Reset();                       // closes the panel; Width and Rows keep their values
    void SetFont(FONT* font);
    void SetPosition(int x, int y);
    int GetWidth() const;               // Width to a multiple of 8 below, plus 8: the width kept on the screen
    int GetHeight() const;              // Rows x 16 + 16: the height kept on the screen

    void AddEntry(const char* text, MENUID id, std::uint32_t colour, bool enabled, bool separator, bool label);  // dropped when the panel is full
    void AddItem(const char* text, MENUID id, bool enabled);                            // a white command
    void AddColouredItem(const char* text, MENUID id, std::uint32_t colour, bool enabled); // a command in a colour
    void AddLabel(const char* text);                                                    // a white label
    void AddTitle(const char* first, const char* second, std::uint32_t colour);         // a label of two texts in a colour
    void AddTextLine(const char* first, const char* second);                            // a white label of two texts
    void AddNumberLineColoured(const char* first, int n, std::uint32_t colour);         // a label of a text and a number
    void AddNumberLine(const char* first, int n);                                       // the same in white
    void AddSeparator();

    void Draw();                        // frame and rows with the font's sprite; nothing while closed
    void DrawItems(int x, int y);       // the rows from (x, y) down, with their bars
    void DrawFrame(int x, int y, std::uint32_t colour);  // the frame around Width and Rows
    void DrawFrameSized(int x, int y, int width, int height, std::uint32_t colour);
    void DrawHighlight(int x, int y, std::uint32_t colour);  // a bar across the row at (x, y)
    static std::uint32_t AdjustColour(std::uint32_t colour, int delta);  // each byte moved by delta, kept in 0..255

    int HitTest(int x, int y) const;    // the row under a window point, or -1
    void OnMouseMove(int x, int y);     // hover follows the pointer; a pressed bar is dragged along
    void OnMouseDown(int x, int y);     // presses the row under the point
    MENURESULT OnMouseUp(int x, int y); // MenuConfirmed, MenuNotChoosable or MenuNoRow
    MENUID GetPressedId() const;        // id of the pressed row, MenuIdNone when none
};

// The popup menus of the board: one page open at a time, fed with the pointer by the window procedure.
class MENUS {
public:
    int ScreenWidth;                    // the area a panel must fit in
    int ScreenHeight;
    int MarginX;                        // where the board starts in the window
    int MarginY;
    int LastRow = -1;                   // row confirmed by the last release
    MENUID LastId = MenuIdNotYet;       // command id of that row
    int OpenPanel = -1;                 // the panel filled last, -1 none
    MENUPANEL Panels[MenuPanelCount];

    MENUS(int screenWidth, int screenHeight, int marginX, int marginY);  // every panel closed, without a font
    void SetFont(FONT* font);           // the font of every panel
    void ResetAll();                    // closes every panel; OpenPanel stays
    void Draw();                        // every open panel
    void OnMouseMove(int x, int y);     // the point to every panel
    void OnMouseDown(int x, int y);     // the press to every panel
    MENURESULT OnMouseUp(int x, int y); // the release: MenuConfirmed (LastId, LastRow set), MenuNotChoosable or MenuNoRow
    MENUID GetSelectedId() const;       // LastId
    int GetSelectedSpell() const;       // hand row of a confirmed spell row, else -1
    int GetSelectedDream() const;       // dream slot of a confirmed dream row, else -1
    void PlacePanel(int page, int x, int y, int width);  // beside a piece at board (x, y) of that width, kept on the screen

    // Piece menu pages
    void OpenPieceMenu(MENUPAGE page, PIECEBASE* pPiece, int x, int y, int width);  // fills and places a page by the piece's kind
    void BuildPlayerMenu(MENUPAGE page, PLAYER* pPlayer, int x, int y, int width);   // a dreamer's page
    void BuildCreatureMenu(MENUPAGE page, PIECE* pCreature, int x, int y, int width);  // a creature's page
    void AddPlayerTitle(int page, PLAYER* pPlayer);      // name (class)
    void AddCreatureTitle(int page, PIECE* pCreature);   // name (owner's name, or "...")
    void BuildSpellMenu(int page, MENUID id, PIECEBASE* pPiece, SPELLHAND* pHand);  // the hand as rows of the id
    static std::uint32_t GetDreamColour(int chance);     // a near-white colour by a dream's chance

private:
    void StartPage(int page);           // closes the page open before and empties this one
};

extern MENUS Menus;
