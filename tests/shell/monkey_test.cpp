// A seeded monkey plays the whole program headless: random window messages and frames through every screen and
// whole games, with the game's invariants checked every frame and nothing written outside the test's own folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "base/config.h"
#include "graphics/board.h"
#include "graphics/camera.h"
#include "platform/window.h"
#include "screens/choice.h"
#include "screens/menus.h"
#include "screens/pointer.h"
#include "screens/screen_state.h"
#include "screens/text_entry.h"
#include "screens/title.h"
#include "shell/shell.h"
#include "tests/support/game_runner.h"
#include "tests/support/headless_program.h"
#include "tests/support/raw_files.h"
#include "tests/support/start_state.h"
#include "world/game.h"
#include "world/random.h"
#include "world/reach.h"

namespace {

constexpr SCREEN ReachableScreens[] = {ScreenTitle,  ScreenPlayerCount, ScreenCharacterChoice, ScreenNameEntry,
                                       ScreenInGame, ScreenGameOver,    ScreenChallengePlayAs, ScreenChallengeOpponent};
using VISITS = int[ScreenChallengeOpponent + 1];

bool IsGameScreen(SCREEN screen) { return screen == ScreenInGame || screen == ScreenGameOver; }

bool IsPieceSlot(const PIECEBASE* piece)
{
    const auto in = [&](const auto& slots) {
        return std::any_of(std::begin(slots), std::end(slots), [&](const PIECEBASE& slot) { return piece == &slot; });
    };
    return piece == nullptr || in(Game.Players) || in(Game.Creatures);
}

// What must hold after every message and frame; the dead give no orders, so a menu or an aim is a live piece's.
std::string CheckShell()
{
    std::string fault;
    const SCREEN screen = Screens.ScreenState;
    if (std::find(std::begin(ReachableScreens), std::end(ReachableScreens), screen) == std::end(ReachableScreens))
        fault += "screen " + std::to_string(screen) + "; ";
    const PIECEBASE* selected = Play.pSelectedPiece;
    if (!IsPieceSlot(selected) || !IsPieceSlot(Play.pPointerTarget))
        fault += "the selection or the pointer's target is no piece slot; ";
    const PENDINGACTION& action = Game.PendingAction;
    if (action.Kind != ActionNone && (!IsPieceSlot(action.pActor) || !IsPieceSlot(action.pTarget)))
        fault += "the posted action names no piece slot; ";
    if (screen == ScreenInGame && (Play.ActionMode == ModeMenuOpen || IsTargetingMode()) &&
        (selected == nullptr || selected->Kind == PieceFree || selected->IsDead || selected->IsComputer))
        fault += "mode " + std::to_string(Play.ActionMode) + " with no live piece of the player's selected; ";
    if (Loop.LastKey == LastKeyWindowGone)
        fault += "the main loop would end with the window still there; ";
    if (TextEntry.Length < 0 || TextEntry.Length > TextEntry.MaxLength)
        fault += "the name field holds " + std::to_string(TextEntry.Length) + " characters; ";
    return fault;
}

// The computer sides play, or a piece or an effect is on its way: clicks would mostly miss.
bool IsBusy()
{
    return Play.ActionMode == ModeComputerTurns || !Game.IsNothingMoving() || Game.Effects.CountMovingEffects(0) > 0;
}

template <typename TEST>
std::vector<PIECEBASE*> LivePieces(TEST passes)
{
    std::vector<PIECEBASE*> pieces;
    for (PIECEBASE& piece : Game.Players)
        if (piece.Kind != PieceFree && !piece.IsDead && passes(piece))
            pieces.push_back(&piece);
    for (PIECEBASE& piece : Game.Creatures)
        if (piece.Kind != PieceFree && !piece.IsDead && passes(piece))
            pieces.push_back(&piece);
    return pieces;
}

bool HasEnemyInReach(PIECEBASE* piece)
{
    return piece != nullptr && !LivePieces([&](PIECEBASE& other) {
        return other.IsComputer && Game.IsInReach(piece, other.CentreX, other.CentreY, ReachCircle, piece->Reach);
    }).empty();
}

// The monkey: its own generator, so that the game's draws do not shift with its choices.
struct MONKEY {
    MONKEY(unsigned seed, VISITS& visits) : Seed(seed), Visits(visits) {}

    unsigned Seed;
    VISITS& Visits;                   // screens entered, added to over the seeds
    std::mt19937 Generator{Seed};
    int Frames = 0;                   // frames the game or the screens went through
    int DrawnFrames = 0;              // frames drawn as the main loop draws them; they take the time
    std::vector<MESSAGE> Pending;     // the rest of an aimed click
    SCREEN LastScreen = ScreenTitle;  // the screen after the last message or frame
    int StepsOnScreen = 0;            // steps since the screen changed
    bool HeldKeys[KeyStateCount] = {};

    int Below(int n) { return static_cast<int>(Generator() % static_cast<unsigned>(n)); }
    bool Percent(int chance) { return Below(100) < chance; }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    std::string Where() const
    {
        return "seed " + std::to_string(Seed) + ", frame " + std::to_string(Frames) + ", screen " +
               std::to_string(Screens.ScreenState) + "\n" + DescribeGame(Game);
    }

    // A burst of messages and a drawn frame, or, in a game, a stretch of frames; a busy board is mostly left to run.
    void Step()
    {
        const SCREEN screen = Screens.ScreenState;
        EXPECT_TRUE(IsGameScreen(screen) || ++StepsOnScreen <= 300) << "no way out: " << Where();
        const bool busy = screen == ScreenInGame && IsBusy();
        if (IsGameScreen(screen) && Percent(busy ? 90 : 15)) {
            // A stretch begun on a busy board ends once it is not; it draws about one frame in 1000, and its last.
            const int frames = busy ? 3000 : 1 + Below(100);
            const bool moving = IsBusy();
            for (int i = 0; i < frames && Screens.ScreenState == screen && (!moving || IsBusy()); i++)
                Frame(i == frames - 1 || Below(1000) == 0);
            return;
        }
        const int burst = 1 + Below(12);
        for (int i = 0; i < burst && !testing::Test::HasFailure(); i++)
            Send(Percent(60) ? AimedMessage() : RandomMessage());
        if (Percent(3)) {  // the camera keys and F1 are read as held keys in each game frame, not as messages
            static const int Keys[] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeyA, KeyD, KeyW, KeyX, KeyF1};
            const int key = Keys[Below(static_cast<int>(std::size(Keys)))];
            HeldKeys[key] = !HeldKeys[key];
            HoldKey(key, HeldKeys[key]);
        }
        Frame(true);
    }

    // After each message and frame; a new game starts its invariants afresh.
    void Check()
    {
        const SCREEN screen = Screens.ScreenState;
        if (screen != LastScreen) {
            Visits[screen]++;
            StepsOnScreen = 0;
            if (screen == ScreenInGame && !IsGameScreen(LastScreen))
                ResetInvariants();
            LastScreen = screen;
        }
        EXPECT_EQ(CheckShell(), "") << Where();
    }

    // A message through the window procedure, as PumpMessage hands it on; then the rest of its click.
    void Send(const MESSAGE& message)
    {
        Pending.insert(Pending.begin(), message);
        for (std::size_t i = 0; i < Pending.size() && !testing::Test::HasFailure(); i++) {
            WndProc(Pending[i]);
            Check();
        }
        Pending.clear();
    }

    // One pass of the main loop, which waits while the window is minimised; an undrawn frame only advances the game.
    void Frame(bool drawn)
    {
        if (Loop.WindowSizeState == WindowMinimised || testing::Test::HasFailure())
            return;
        const bool inGame = IsGameScreen(Screens.ScreenState);
        if (drawn) {
            DrawScreenFrame();
            DrawnFrames++;
        } else if (inGame) {
            UpdatePlayFrame();
            ReadCameraKeys(Game);
        }
        Frames++;
        Check();
        EXPECT_EQ(inGame ? CheckInvariants(Game) : "", "") << Where();
    }

    // Anything the window sends but the close; Escape is rare in a game, or few games would get to their end.
    MESSAGE RandomMessage()
    {
        const int x = Between(-16, PictureWidth + 15), y = Between(-16, PictureHeight + 15), kind = Below(100);
        if (kind < 70)
            return MakeMessage(kind < 40 ? MessagePointerMove : kind < 55 ? MessageButtonDown : MessageButtonUp, x, y);
        if (kind >= 93)
            return MakeMessage(kind < 95 ? MessageMinimise : kind < 98 ? MessageRestore : MessageExpose);
        static const int Controls[] = {KeyEscape, KeyEnter, KeyBackspace, KeyTab};
        const int which = Below(100);
        int c = which < 8 ? Controls[Below(4)] : which < 75 ? Between(' ', '~') : which < 90 ? Between(128, 255)
                                                                                             : Below(' ');
        if (c == KeyEscape && IsGameScreen(Screens.ScreenState) && Percent(90))
            c = Between(' ', '~');
        return MakeMessage(MessageChar, 0, 0, c);
    }

    // A message aimed at what the screen offers: a button or portrait its hit test accepts, a name, the board.
    MESSAGE AimedMessage()
    {
        switch (Screens.ScreenState) {
        case ScreenTitle:
            return ClickWhere([](int x, int y) { return GetTitleButtonAt(x, y) >= 0; });
        case ScreenPlayerCount:
            return ClickWhere([](int x, int y) { return GetPlayerCountAt(x, y) >= 2; });
        case ScreenCharacterChoice:
        case ScreenChallengePlayAs:
            return ClickWhere([](int x, int y) { return GetCharacterAt(x, y, -1, 0) >= 0; });
        case ScreenChallengeOpponent:
            return ClickWhere([](int x, int y) { return GetCharacterAt(x, y, Screens.ChosenCharacter, 1) >= 0; });
        case ScreenNameEntry: {
            static const char Letters[] = "AbcDefGhijKlmnOpqrsTuvwXyz 0123456789";
            if (TextEntry.Length > 4 && Percent(25))
                return MakeMessage(MessageChar, 0, 0, KeyEnter);
            return MakeMessage(MessageChar, 0, 0, Percent(10) ? KeyBackspace : Letters[Below(sizeof Letters - 1)]);
        }
        case ScreenInGame:
            return BoardMessage();
        default:
            return RandomMessage();
        }
    }

    template <typename HIT>
    MESSAGE ClickWhere(HIT accepts)
    {
        for (int i = 0; i < 400; i++) {
            const int x = Below(PictureWidth), y = Below(PictureHeight);
            if (accepts(x, y))
                return Click(x, y);
        }
        return RandomMessage();
    }

    // A click as the window sends it: the pointer comes, the button goes down and comes up, mostly where it went down.
    MESSAGE Click(int x, int y)
    {
        Pending.push_back(MakeMessage(MessageButtonDown, x, y));
        const int slip = Percent(85) ? 0 : 40;
        const int upY = y + Between(-slip, slip);  // as the arguments were once evaluated: the last first
        Pending.push_back(MakeMessage(MessageButtonUp, x + Between(-slip, slip), upY));
        return MakeMessage(MessagePointerMove, x, y);
    }

    // The board while the player has it: his own pieces, half the time those that have not moved with an enemy in
    // reach; the rows of an open menu; in an aim the pieces of the side it wants within its reach, half the time the
    // weakest (blows on one piece make the kills that take a score into the table), or a point within it.
    MESSAGE BoardMessage()
    {
        if (Play.ActionMode == ModeMenuOpen)
            return ClickMenuRow();
        PIECEBASE* selected = Play.pSelectedPiece;
        const bool aiming = IsTargetingMode() && selected != nullptr;
        const int spell = Play.ChosenSpell;
        const bool heal = aiming && Play.ActionMode == ModeSpellTarget && spell >= 0 &&
                          spell < selected->Spells.GetNumberOfSpells() &&
                          selected->Spells.Slots[spell].Category == SpellCategoryFriendly;
        const bool friends = !aiming || heal || Play.ActionMode == ModeTransferTarget;
        const bool fight = !aiming && Percent(50);  // an own piece that has not moved, with an enemy in reach
        const std::vector<PIECEBASE*> pieces = LivePieces([&](PIECEBASE& piece) {
            return piece.IsComputer != friends && (!fight || (!piece.HasMoved && HasEnemyInReach(&piece))) &&
                   (!aiming || IsPointInActionRange(selected, piece.CentreX, piece.CentreY));
        });
        if (pieces.empty() || Play.ActionMode == ModeDreamPlace || Percent(20)) {
            const int radius = selected == nullptr ? PictureWidth : static_cast<int>(128.0f * Play.ActionRange);
            const int x = selected == nullptr ? PictureWidth / 2 : selected->CentreX + BoardMargin;
            const int y = selected == nullptr ? PictureHeight / 2 : selected->CentreY + BoardMargin;
            const int dy = Between(-radius, radius);
            return Click(x + Between(-radius, radius), y + dy);
        }
        const PIECEBASE* piece = Percent(50) ? *std::min_element(pieces.begin(), pieces.end(), [](auto a, auto b) {
            return a->Health < b->Health;
        }) : pieces[Below(static_cast<int>(pieces.size()))];
        const int y = static_cast<int>(piece->Y) + Below(piece->Height + 1) + BoardMargin;
        return Click(static_cast<int>(piece->X) + Below(piece->Width + 1) + BoardMargin, y);
    }

    // A row of the open page, those that fight more often; "End Turn" often enough for the games to end.
    MESSAGE ClickMenuRow()
    {
        const MENUPANEL* open = nullptr;
        for (const MENUPANEL& panel : Menus.Panels)
            if (panel.Count > 0)
                open = &panel;
        if (open == nullptr)
            return RandomMessage();
        static const MENUID Fights[] = {MenuIdMoveAttack, MenuIdDreaming, MenuIdCastSpell, MenuIdCreatureCastSpell,
                                        MenuIdCastListSpell, MenuIdDream};
        std::vector<int> rows;
        for (int i = 0; i < open->Count; i++) {
            const MENUID id = open->Items[i].Id;
            const bool fights = std::count(std::begin(Fights), std::end(Fights), id) > 0;
            const bool attacks = id == MenuIdMoveAttack && HasEnemyInReach(Play.pSelectedPiece);
            const int weight =
                !open->Items[i].IsSelectable() ? 0 : attacks ? 24 : fights ? 6 : id == MenuIdEndTurn ? 3 : 1;
            rows.insert(rows.end(), weight, i);
        }
        const int row = rows.empty() || Percent(10) ? Below(open->Count) : rows[Below(static_cast<int>(rows.size()))];
        const int y = open->Y + MenuInset + row * MenuRowHeight + Below(MenuRowHeight);
        return Click(open->X + MenuInset + Below(std::max(1, open->Width)), y);
    }
};

}  // namespace

TEST(Monkey, EverySeedPlaysEveryScreenAndWholeGamesKeepingTheInvariantsAndWritingOnlyItsFiles)
{
    // The time of every file under the art folder, to see that the runs wrote nothing there.
    const auto artTimes = [] {
        std::map<std::string, std::filesystem::file_time_type> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(ART_FOLDER))
            files[entry.path().string()] = entry.last_write_time();
        return files;
    };
    const auto art = artTimes();
    VISITS visits = {};
    for (unsigned seed : {1, 2, 3, 4}) {
        RestoreStartState();
        SeedRand(seed);
        ASSERT_TRUE(StartProgramHeadless(ART_FOLDER)) << "no generated art in " << ART_FOLDER;
        Config.HiScores.Clear();  // any score of the player's side takes the game to the name entry
        MONKEY monkey(seed, visits);
        visits[ScreenTitle]++;
        while (monkey.DrawnFrames < 250 && monkey.Frames < 200000 && !HasFailure())
            monkey.Step();
        StopProgramHeadless();
        for (const std::string& name : FolderEntries()) {
            EXPECT_TRUE(name == "_Errors.txt" || name == "Vizor.cfg" || name == "Textures") << seed << " left " << name;
            std::filesystem::remove_all(name);  // the next seed starts from an empty folder
        }
    }
    EXPECT_EQ(artTimes(), art) << "the art folder changed";
    for (SCREEN screen : ReachableScreens)  // a game over is a game that reached its end
        EXPECT_GT(visits[screen], 0) << "screen " << screen << " never reached";
}
