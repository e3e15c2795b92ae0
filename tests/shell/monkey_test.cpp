// A seeded monkey plays the whole program headless: random window messages and frames through every screen and
// whole games, with the game's invariants checked every frame and nothing written outside the test's own folder.
// TOLLMARROW_MONKEY_SEED=n replays seed n alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/config.h"
#include "graphics/board.h"
#include "graphics/camera.h"
#include "platform/input.h"
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
#include "world/reach.h"
#include "world/random.h"

namespace {

constexpr unsigned MonkeySeeds[] = {1, 2, 3, 4};
constexpr int DrawnFramesPerSeed = 250;     // drawing takes the time: about 8 ms a frame, 60 ms sanitized
constexpr int FramesPerSeed = 200000;       // frames at most, drawn or not: a bound on the undrawn
constexpr int MaxBurst = 12;                // messages at most between two frames
constexpr int MaxBusyStretch = 3000;        // frames at most of a stretch while the board is busy
constexpr int MaxIdleStretch = 100;         // frames at most of a stretch while it is not
constexpr int DrawOneStretchFrameIn = 1000; // a stretch draws about one frame in this many, and its last
constexpr int StepsToLeaveAScreen = 300;    // steps on one screen outside a game that make it a dead end
constexpr int Outside = 16;                 // random points reach this far outside the picture
constexpr int PointTries = 400;             // random points tried for one that a hit test accepts

// The screens a player can reach; ScreenUnused is never set.
constexpr SCREEN ReachableScreens[] = {ScreenTitle,  ScreenPlayerCount, ScreenCharacterChoice, ScreenNameEntry,
                                       ScreenInGame, ScreenGameOver,    ScreenChallengePlayAs, ScreenChallengeOpponent};
constexpr int ScreenKinds = ScreenChallengeOpponent + 1;

// What the game writes into its working folder, and the art link the start-up makes there.
const char* const FilesTheGameWrites[] = {"_Errors.txt", "Vizor.cfg", "Textures"};

using FOLDERSNAPSHOT = std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>>;

// The size and time of every file under a folder, to see that a run wrote nothing there.
FOLDERSNAPSHOT SnapshotFolder(const std::filesystem::path& folder)
{
    FOLDERSNAPSHOT files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().string()] = {entry.file_size(), entry.last_write_time()};
    return files;
}

bool IsGameScreen(SCREEN screen)
{
    return screen == ScreenInGame || screen == ScreenGameOver;
}

bool IsPieceSlot(const PIECEBASE* piece)
{
    for (const PLAYER& dreamer : Game.Players)
        if (piece == &dreamer)
            return true;
    for (const PIECE& creature : Game.Creatures)
        if (piece == &creature)
            return true;
    return piece == nullptr;
}

// What must hold after every message and every frame, on any screen. The dead give no orders: a menu or an aim
// belongs to a live piece of the player's.
std::string CheckShell()
{
    std::ostringstream fault;
    const SCREEN screen = Screens.ScreenState;
    if (std::find(std::begin(ReachableScreens), std::end(ReachableScreens), screen) == std::end(ReachableScreens))
        fault << "screen " << screen << "; ";
    const PIECEBASE* selected = Play.pSelectedPiece;
    if (!IsPieceSlot(selected) || !IsPieceSlot(Play.pPointerTarget))
        fault << "the selection or the pointer's target is no piece slot; ";
    const PENDINGACTION& action = Game.PendingAction;
    if (action.Kind != ActionNone && (!IsPieceSlot(action.pActor) || !IsPieceSlot(action.pTarget)))
        fault << "the posted action names no piece slot; ";
    if (screen == ScreenInGame && (Play.ActionMode == ModeMenuOpen || IsTargetingMode()) &&
        (selected == nullptr || selected->Kind == PieceFree || selected->IsDead || selected->IsComputer))
        fault << "mode " << Play.ActionMode << " with no live piece of the player's selected; ";
    if (Loop.LastKey == LastKeyWindowGone)
        fault << "the main loop would end with the window still there; ";
    if (TextEntry.Length < 0 || TextEntry.Length > TextEntry.MaxLength)
        fault << "the name field holds " << int(TextEntry.Length) << " characters; ";
    return fault.str();
}

// What the seeds went through together: the screens entered and the games that reached their end.
struct MONKEYCOUNTS {
    int ScreenVisits[ScreenKinds] = {};
    int GamesEnded = 0;
};

// The monkey: its own generator, so that the game's draws do not shift with its choices, and its first fault.
class MONKEY {
public:
    MONKEY(unsigned seed, MONKEYCOUNTS& counts) : Counts(counts), Seed(seed), Generator(seed)
    {
        Counts.ScreenVisits[ScreenTitle]++;
    }

    MONKEYCOUNTS& Counts;  // added to over the seeds
    int Frames = 0;       // frames the game or the screens went through
    int DrawnFrames = 0;  // frames drawn as the main loop draws them
    std::string Fault;    // the first fault, with the seed, the frame and the game; empty when none

    // A burst of messages and a drawn frame, or, in a game, a stretch of frames; a busy board is mostly left to run.
    void Step()
    {
        const SCREEN screen = Screens.ScreenState;
        StepsOnScreen = screen == StepScreen ? StepsOnScreen + 1 : 0;
        StepScreen = screen;
        if (!IsGameScreen(screen) && StepsOnScreen > StepsToLeaveAScreen)
            Report("no way out of screen " + std::to_string(screen));
        const bool busy = screen == ScreenInGame && IsBusy();
        if (IsGameScreen(screen) && Percent(busy ? 90 : 15)) {
            RunStretch(busy ? MaxBusyStretch : 1 + Below(MaxIdleStretch));
            return;
        }
        const int burst = 1 + Below(MaxBurst);
        for (int i = 0; i < burst && Fault.empty(); i++)
            Send(Percent(60) ? AimedMessage() : RandomMessage());
        if (Percent(3))
            ToggleKey();
        Frame(true);
    }

private:
    enum SIDE : int { SideAny, SideOwn, SideEnemy };

    unsigned Seed;
    std::mt19937 Generator;
    std::vector<MESSAGE> Pending;     // the rest of an aimed click
    SCREEN StepScreen = ScreenTitle;  // the screen the last step began on
    SCREEN LastScreen = ScreenTitle;  // the screen after the last message or frame
    int StepsOnScreen = 0;
    int TypedName = 0;                // characters typed on this name entry
    bool HeldKeys[KeyStateCount] = {};

    int Below(int n) { return static_cast<int>(Generator() % static_cast<unsigned>(n)); }
    bool Percent(int chance) { return Below(100) < chance; }
    int Between(int low, int high) { return low + Below(high - low + 1); }

    // Keeps the first fault found, with where it was found; an empty one is no fault.
    void Report(const std::string& what)
    {
        if (!Fault.empty() || what.empty())
            return;
        std::ostringstream text;
        text << "seed " << Seed << ", frame " << Frames << ", screen " << Screens.ScreenState << ": " << what << "\n"
             << DescribeGame() << "replay: TOLLMARROW_MONKEY_SEED=" << Seed;
        Fault = text.str();
    }

    // A new game starts its invariants afresh; a game-over screen is a game ended.
    void Visit()
    {
        const SCREEN screen = Screens.ScreenState;
        if (screen == LastScreen)
            return;
        Counts.ScreenVisits[screen]++;
        if (screen == ScreenInGame && !IsGameScreen(LastScreen))
            ResetInvariants();
        if (screen == ScreenGameOver)
            Counts.GamesEnded++;
        if (screen == ScreenNameEntry)
            TypedName = 0;
        LastScreen = screen;
    }

    // A message through the window procedure, as PumpMessage hands it on; then the rest of its click.
    void Send(const MESSAGE& message)
    {
        WndProc(message);
        Visit();
        Report(CheckShell());
        while (!Pending.empty() && Fault.empty()) {
            const MESSAGE next = Pending.front();
            Pending.erase(Pending.begin());
            Send(next);
        }
    }

    // The camera keys and F1 are read as held keys in each game frame, not as messages.
    void ToggleKey()
    {
        static const int Keys[] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeyA, KeyD, KeyW, KeyX, KeyF1};
        const int key = Keys[Below(static_cast<int>(std::size(Keys)))];
        HeldKeys[key] = !HeldKeys[key];
        HoldKey(key, HeldKeys[key]);
    }

    // One pass of the main loop: nothing is drawn and the game waits while the window is minimised. An undrawn
    // frame is the game's half of DrawScreenFrame: the world and the pointer advance, no picture is made.
    void Frame(bool drawn)
    {
        if (Loop.WindowSizeState == WindowMinimised)
            return;
        const bool inGame = IsGameScreen(Screens.ScreenState);
        if (drawn) {
            DrawScreenFrame();
            DrawnFrames++;
        } else if (inGame) {
            UpdatePlayFrame();
            ReadCameraKeys();
        }
        Frames++;
        Visit();
        Report(CheckShell());
        if (inGame)
            Report(CheckInvariants());
    }

    // The computer sides play, or a piece or an effect is on its way: clicks would mostly miss.
    static bool IsBusy()
    {
        return Play.ActionMode == ModeComputerTurns || !Game.IsNothingMoving() || Game.Effects.CountMovingEffects(0) > 0;
    }

    // Frames without messages while the screen stays; a stretch begun on a busy board ends once it is not.
    void RunStretch(int frames)
    {
        const SCREEN screen = Screens.ScreenState;
        const bool busy = IsBusy();
        for (int i = 0; i < frames && Fault.empty() && Screens.ScreenState == screen && (!busy || IsBusy()); i++)
            Frame(i == frames - 1 || Below(DrawOneStretchFrameIn) == 0);
    }

    // Anything the window sends but the close: pointer messages in the picture and a little outside it, typed
    // characters of every kind, the window's size and its exposure.
    MESSAGE RandomMessage()
    {
        const int x = Between(-Outside, PictureWidth + Outside - 1);
        const int y = Between(-Outside, PictureHeight + Outside - 1);
        const int kind = Below(100);
        if (kind < 40)
            return MakeMessage(MessagePointerMove, x, y);
        if (kind < 55)
            return MakeMessage(MessageButtonDown, x, y);
        if (kind < 70)
            return MakeMessage(MessageButtonUp, x, y);
        if (kind < 93)
            return MakeMessage(MessageChar, 0, 0, RandomCharacter());
        if (kind < 95)
            return MakeMessage(MessageMinimise);
        if (kind < 98)
            return MakeMessage(MessageRestore);
        return MakeMessage(MessageExpose);
    }

    // Escape leaves a game: rare there, or few games would get to their end.
    int RandomCharacter()
    {
        static const int Controls[] = {KeyEscape, KeyEnter, KeyBackspace, KeyTab};
        const int kind = Below(100);
        const int c = kind < 8 ? Controls[Below(4)] : kind < 75 ? Between(' ', '~') : kind < 90 ? Between(128, 255)
                                                                                                 : Below(' ');
        if (c == KeyEscape && IsGameScreen(Screens.ScreenState) && Percent(90))
            return Between(' ', '~');
        return c;
    }

    // A message aimed at what the screen offers: a button or portrait its hit test accepts, a piece, a menu row,
    // a target in reach, a name; the rest of a click waits in Pending.
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
        case ScreenNameEntry:
            return NameCharacter();
        case ScreenInGame:
            return BoardMessage();
        default:
            return RandomMessage();
        }
    }

    template <typename HIT>
    MESSAGE ClickWhere(HIT accepts)
    {
        for (int i = 0; i < PointTries; i++) {
            const int x = Below(PictureWidth);
            const int y = Below(PictureHeight);
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
        Pending.push_back(MakeMessage(MessageButtonUp, x + Between(-slip, slip), y + Between(-slip, slip)));
        return MakeMessage(MessagePointerMove, x, y);
    }

    MESSAGE NameCharacter()
    {
        static const char Letters[] = "AbcDefGhijKlmnOpqrsTuvwXyz 0123456789";
        TypedName++;
        if (TypedName > 4 && Percent(25))
            return MakeMessage(MessageChar, 0, 0, KeyEnter);
        if (Percent(10))
            return MakeMessage(MessageChar, 0, 0, KeyBackspace);
        return MakeMessage(MessageChar, 0, 0, Letters[Below(sizeof Letters - 1)]);
    }

    // The board while the player has it: his own pieces above all, those with an enemy in reach first, the rows
    // of an open menu, targets in reach.
    MESSAGE BoardMessage()
    {
        switch (Play.ActionMode) {
        case ModeNothing:
            if (Percent(50)) {
                const std::vector<PIECEBASE*> fighters = Pieces(SideOwn, [](PIECEBASE& piece) {
                    return !piece.HasMoved && WeakestEnemyInReach(&piece) != nullptr;
                });
                if (!fighters.empty())
                    return ClickPiece(Any(fighters));
            }
            return ClickPiece(Any(Pieces(Percent(80) ? SideOwn : SideAny, [](PIECEBASE&) { return true; })));
        case ModeMenuOpen:
            return ClickMenuRow();
        case ModeMoveAttack:
        case ModeSpellTarget:
        case ModeDreamPlace:
        case ModeTransferTarget:
            return ClickTarget();
        default:
            return RandomMessage();
        }
    }

    // The live pieces of a side that pass a test.
    template <typename TEST>
    static std::vector<PIECEBASE*> Pieces(SIDE side, TEST passes)
    {
        std::vector<PIECEBASE*> pieces;
        auto consider = [&](PIECEBASE& piece) {
            const bool wrongSide = (side == SideOwn && piece.IsComputer) || (side == SideEnemy && !piece.IsComputer);
            if (piece.Kind != PieceFree && !piece.IsDead && !wrongSide && passes(piece))
                pieces.push_back(&piece);
        };
        for (PLAYER& dreamer : Game.Players)
            consider(dreamer);
        for (PIECE& creature : Game.Creatures)
            consider(creature);
        return pieces;
    }

    // The piece with the least health: blows on one piece make the kills that take a score into the table.
    static PIECEBASE* Weakest(const std::vector<PIECEBASE*>& pieces)
    {
        PIECEBASE* weakest = nullptr;
        for (PIECEBASE* piece : pieces)
            if (weakest == nullptr || piece->Health < weakest->Health)
                weakest = piece;
        return weakest;
    }

    static PIECEBASE* WeakestEnemyInReach(PIECEBASE* piece)
    {
        return Weakest(Pieces(SideEnemy, [&](PIECEBASE& other) {
            return Game.IsInReach(piece, other.CentreX, other.CentreY, ReachCircle, piece->Reach);
        }));
    }

    PIECEBASE* Any(const std::vector<PIECEBASE*>& pieces)
    {
        return pieces.empty() ? nullptr : pieces[Below(static_cast<int>(pieces.size()))];
    }

    // Anywhere in the piece's box: where pieces overlap, only part of a box may still be its own.
    MESSAGE ClickPiece(const PIECEBASE* piece)
    {
        if (piece == nullptr)
            return ClickNearSelection(nullptr);
        return Click(static_cast<int>(piece->X) + Below(piece->Width + 1) + BoardMargin,
                     static_cast<int>(piece->Y) + Below(piece->Height + 1) + BoardMargin);
    }

    // The side the aimed action wants, in its reach: a friend for a transfer or a heal, an enemy for the rest,
    // mostly the weakest; a dream wants an empty spot, and a move with no enemy in reach heads for one.
    MESSAGE ClickTarget()
    {
        const PIECEBASE* selected = Play.pSelectedPiece;
        if (selected == nullptr || Play.ActionMode == ModeDreamPlace || Percent(20))
            return ClickNearSelection(nullptr);
        const int spell = Play.ChosenSpell;
        const bool heal = Play.ActionMode == ModeSpellTarget && spell >= 0 &&
                          spell < selected->Spells.GetNumberOfSpells() &&
                          selected->Spells.Slots[spell].Category == SpellCategoryFriendly;
        const SIDE side = Play.ActionMode == ModeTransferTarget || heal ? SideOwn : SideEnemy;
        const std::vector<PIECEBASE*> targets = Pieces(side, [](PIECEBASE& piece) {
            return IsPointInActionRange(Play.pSelectedPiece, piece.CentreX, piece.CentreY);
        });
        if (!targets.empty())
            return ClickPiece(side == SideEnemy && Percent(70) ? Weakest(targets) : Any(targets));
        if (Play.ActionMode == ModeMoveAttack)
            return ClickNearSelection(Any(Pieces(SideEnemy, [](PIECEBASE&) { return true; })));
        return ClickNearSelection(nullptr);
    }

    // A point within the aim's reach of the selected piece, toward a piece when one is given; anywhere without one.
    MESSAGE ClickNearSelection(const PIECEBASE* toward)
    {
        const PIECEBASE* selected = Play.pSelectedPiece;
        if (selected == nullptr)
            return Click(Below(PictureWidth), Below(PictureHeight));
        const int radius = static_cast<int>(128.0f * Play.ActionRange);
        int dx = Between(-radius, radius);
        int dy = Between(-radius, radius);
        if (toward != nullptr) {
            const float x = static_cast<float>(toward->CentreX - selected->CentreX);
            const float y = static_cast<float>(toward->CentreY - selected->CentreY);
            const float scale = static_cast<float>(Between(radius / 2, radius)) / std::max(1.0f, std::hypot(x, y));
            dx = static_cast<int>(x * std::min(1.0f, scale));
            dy = static_cast<int>(y * std::min(1.0f, scale));
        }
        return Click(selected->CentreX + BoardMargin + dx, selected->CentreY + BoardMargin + dy);
    }

    // A row of the open page: now and then any row, else one that can be chosen, those that fight more often.
    MESSAGE ClickMenuRow()
    {
        const MENUPANEL* open = nullptr;
        for (const MENUPANEL& panel : Menus.Panels)
            if (panel.Count > 0)
                open = &panel;
        if (open == nullptr)
            return RandomMessage();
        const bool enemyInReach = Play.pSelectedPiece != nullptr && WeakestEnemyInReach(Play.pSelectedPiece) != nullptr;
        std::vector<int> rows;
        for (int i = 0; i < open->Count; i++)
            for (int n = RowWeight(open->Items[i], enemyInReach); n > 0; n--)
                rows.push_back(i);
        const int row = rows.empty() || Percent(10) ? Below(open->Count) : rows[Below(static_cast<int>(rows.size()))];
        return Click(open->X + MenuInset + Below(std::max(1, open->Width)),
                     open->Y + MenuInset + row * MenuRowHeight + Below(MenuRowHeight));
    }

    // "End Turn" comes up often enough for the computer sides to play and the games to end.
    static int RowWeight(const MENUITEM& item, bool enemyInReach)
    {
        if (!item.IsSelectable())
            return 0;
        switch (item.Id) {
        case MenuIdMoveAttack:
            return enemyInReach ? 24 : 6;
        case MenuIdDreaming:
        case MenuIdCastSpell:
        case MenuIdCreatureCastSpell:
        case MenuIdCastListSpell:
        case MenuIdDream:
            return 6;
        case MenuIdEndTurn:
            return 3;
        default:
            return 1;
        }
    }
};

// Plays one seed from the program's start, in a folder of its own that must hold only the game's files after.
void PlaySeed(unsigned seed, MONKEYCOUNTS& counts)
{
    const std::filesystem::path testFolder = std::filesystem::current_path();
    const std::filesystem::path folder = testFolder / ("seed-" + std::to_string(seed));
    std::filesystem::create_directory(folder);
    std::filesystem::current_path(folder);
    RestoreStartState();
    SeedRand(seed);
    ASSERT_TRUE(StartProgramHeadless(ART_FOLDER)) << "no generated art in " << ART_FOLDER;
    // An empty table lets any score of the player's side take the game to the name entry.
    Config.HiScores.Clear();

    MONKEY monkey(seed, counts);
    while (monkey.DrawnFrames < DrawnFramesPerSeed && monkey.Frames < FramesPerSeed && monkey.Fault.empty())
        monkey.Step();
    StopProgramHeadless();
    EXPECT_TRUE(monkey.Fault.empty()) << monkey.Fault;

    for (const std::string& name : FolderEntries())
        EXPECT_NE(std::find_if(std::begin(FilesTheGameWrites), std::end(FilesTheGameWrites),
                               [&](const char* known) { return name == known; }),
                  std::end(FilesTheGameWrites))
            << "seed " << seed << " left " << name;
    std::filesystem::current_path(testFolder);
}

}  // namespace

TEST(Monkey, EverySeedPlaysEveryScreenAndWholeGamesKeepingTheInvariantsAndWritingOnlyItsFiles)
{
    std::vector<unsigned> seeds(std::begin(MonkeySeeds), std::end(MonkeySeeds));
    const char* chosen = std::getenv("TOLLMARROW_MONKEY_SEED");
    if (chosen != nullptr)
        seeds = {static_cast<unsigned>(std::strtoul(chosen, nullptr, 10))};
    const FOLDERSNAPSHOT art = SnapshotFolder(ART_FOLDER);
    MONKEYCOUNTS counts;
    for (unsigned seed : seeds)
        PlaySeed(seed, counts);
    EXPECT_EQ(SnapshotFolder(ART_FOLDER), art) << "the art folder changed";
    if (chosen != nullptr)
        return;
    // Over the seeds, so that the monkey cannot quietly stop reaching a screen or the end of a game.
    for (SCREEN screen : ReachableScreens)
        EXPECT_GT(counts.ScreenVisits[screen], 0) << "screen " << screen << " never reached";
    EXPECT_GT(counts.GamesEnded, 0);
}
