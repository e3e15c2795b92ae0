// The play area drawn each game frame, and the targeting tests that read the same board geometry.
#include "graphics/board.h"

#include <algorithm>
#include <cmath>

#include "graphics/background.h"
#include "graphics/camera.h"
#include "graphics/drawing.h"
#include "world/game.h"
#include "world/random.h"

BOARDVIEW BoardView;

namespace {

constexpr TEXTUREROW RangeImage = TextureRange;
constexpr int RangeImageSize = 256;
constexpr TEXTUREROW HoverImage = TextureSelectA;
constexpr TEXTUREROW TargetImage = TextureSelectB;
constexpr TEXTUREROW BordersImage = TextureBorders;

constexpr std::uint32_t TileAlpha = 16;
constexpr int TileShadeBase = 192;
constexpr double TileShadeSwing = 12.0;
constexpr float WaveStepPerRow = 0.005f;
constexpr std::uint32_t RangeAlpha = 96;
constexpr float GlowGrowth = 1.07f;
constexpr std::uint32_t LiveCreatureAlpha = 192;
constexpr std::uint32_t LiveDreamerAlpha = 255;
constexpr std::uint32_t DeadColour = 0x020202;
constexpr std::uint32_t OwnCloudAlpha = 32;
constexpr int MarkerSize = 32;
constexpr int BarWidth = 32;           // the value bar's frame
constexpr int DepthListSize = MaxPlayers + CreatureSlots;

// One piece of the board's 9-slice frame, repeated Count times Step pixels apart.
struct FRAMEPIECE {
    const char* Name;
    RECTANGLE Source;
    int X;
    int Y;
    int StepX;
    int StepY;
    int Count;
};

// The frame lies in the margin around the board: its right and bottom bands begin where the board ends.
constexpr int FrameRight = BoardMargin + BoardColumns * TileSize;
constexpr int FrameBottom = BoardMargin + BoardRows * TileSize;

constexpr int FramePieceCount = 8;
const FRAMEPIECE FramePieces[] = {
    {"top-left corner", {0, 0, 13, 13}, 0, 0, 0, 0, 1},
    {"top edge", {16, 0, 48, 13}, BoardMargin, 0, TileSize, 0, BoardColumns},
    {"top-right corner", {51, 0, 64, 13}, FrameRight, 0, 0, 0, 1},
    {"left edge", {0, 16, 13, 48}, 0, BoardMargin, 0, TileSize, BoardRows},
    {"right edge", {51, 16, 64, 48}, FrameRight, BoardMargin, 0, TileSize, BoardRows},
    {"bottom-left corner", {0, 51, 13, 64}, 0, FrameBottom, 0, 0, 1},
    {"bottom edge", {16, 51, 48, 64}, BoardMargin, FrameBottom, TileSize, 0, BoardColumns},
    {"bottom-right corner", {51, 51, 64, 64}, FrameRight, FrameBottom, 0, 0, 1},
};
static_assert(sizeof(FramePieces) / sizeof(FramePieces[0]) == FramePieceCount);

// One piece of the depth list; Order is its place in the list as built, which breaks ties in CentreY so
// pieces on one line are drawn in slot order every run.
struct DEPTHENTRY {
    int Key;
    const PIECEBASE* pPiece;
    int Order;
};

DEPTHENTRY DepthList[DepthListSize];

bool ComparePieceY(const DEPTHENTRY& a, const DEPTHENTRY& b)
{
    if (a.Key != b.Key)
        return a.Key < b.Key;
    return a.Order < b.Order;
}

// Opacities kept as whole numbers may run outside a byte; the colour word only has room for one.
std::uint32_t AlphaOf(int alpha)
{
    return static_cast<std::uint32_t>(std::clamp(alpha, 0, 255));
}

RECTANGLE FrameRect(const SPRITEFRAME& frame)
{
    return RECTANGLE{frame.Left, frame.Top, frame.Right, frame.Bottom};
}

void DrawEffectLayer(const GAME& game, int layer)
{
    for (const EFFECT& effect : game.Effects.Slots) {
        if (effect.IsActive != 0 && effect.StartDelay < 1 && effect.DrawLayer == layer)
            DrawEffect(game, effect);
    }
}

// The human's own Cloud Cover is nearly clear in his turn so he can see his pieces beneath it; a cloud
// of no known side keeps its sprite's alpha.
std::uint32_t EffectAlpha(const GAME& game, const EFFECT& effect)
{
    if (effect.Kind == EffectCloudCover && game.ComputerTurnsRunning == 0 && effect.OwnerTeam >= 0 &&
        effect.OwnerTeam < MaxPlayers && game.Players[effect.OwnerTeam].IsComputer == 0)
        return OwnCloudAlpha;
    return AlphaOf(effect.Sprite.Alpha);
}

}  // namespace

void ApplyFillMode()
{
    if (Drawing.pDevice != nullptr)
        Drawing.pDevice->SetRenderState(D3DRS_FILLMODE, static_cast<std::uint32_t>(BoardView.FillMode));
}

void DrawGame2D(const GAME& game, const AIMVIEW& aim)
{
    DrawScrollingBackground(BoardView.BackgroundImage, 0x808080, 64, 1, 1, 1);
    DrawBoard(game, aim);
}

void DrawBoard(const GAME& game, const AIMVIEW& aim)
{
    DrawBoardRow(0, TextureGridB, TextureGridD);
    for (int row = 1; row < BoardRows; row++)
        DrawBoardRow(row, TextureGridA, TextureGridC);
    if (aim.pSelected != nullptr)
        DrawSelectionMarker(game, aim);
}

// A green from 181 to 203 that rolls diagonally across the board as the phase grows.
void DrawBoardRow(int row, int texture, int lastTexture)
{
    for (int c = 0; c < BoardColumns; c++) {
        const int image = c == BoardColumns - 1 ? lastTexture : texture;
        const int shade =
            static_cast<int>(std::sin(static_cast<double>(row + c) + static_cast<double>(BoardView.BoardWavePhase)) *
                             TileShadeSwing);
        const std::uint32_t colour = static_cast<std::uint32_t>(shade + TileShadeBase) << 8;
        DrawSpriteNoRect(image, c * TileSize + BoardMargin, row * TileSize + BoardMargin, 1.0f, 1.0f, 0.0f,
                         TileAlpha, colour, false);
    }
    BoardView.BoardWavePhase += WaveStepPerRow;
}

void DrawSelectionMarker(const GAME& game, const AIMVIEW& aim)
{
    if (aim.IsAiming) {
        int x = 0;
        int y = 0;
        game.GetReachOrigin(aim.pSelected, &x, &y, aim.Range);
        DrawSpriteExNoRect(RangeImage, x + BoardMargin, y + BoardMargin, RangeImageSize, RangeImageSize, aim.Range,
                           aim.Range, BoardView.MarkerAngle * DegreesToRadians, RangeAlpha, aim.RangeColour, true,
                           false);
    }
    BoardView.MarkerAngle += 1.0f;
    if (BoardView.MarkerAngle >= 360.0f)
        BoardView.MarkerAngle -= 360.0f;
}

void DrawScene(const GAME& game, const PIECEBASE* selected)
{
    DrawEffectLayer(game, 0);
    int count = 0;
    for (const PLAYER& player : game.Players) {
        if (player.Kind != PieceFree) {
            DepthList[count] = DEPTHENTRY{player.CentreY, &player, count};
            count++;
        }
    }
    for (const PIECE& creature : game.Creatures) {
        if (creature.Kind != PieceFree) {
            DepthList[count] = DEPTHENTRY{creature.CentreY, &creature, count};
            count++;
        }
    }
    std::sort(DepthList, DepthList + count, ComparePieceY);
    for (int i = 0; i < count; i++)
        DrawPiece(DepthList[i].pPiece, selected);
    DrawEffectLayer(game, 1);
    DrawEffectLayer(game, 2);
}

// The sheet's last frame, 7 % larger about the body, is the glow; a sheet of one frame has none.
void DrawPiece(const PIECEBASE* piece, const PIECEBASE* selected)
{
    const SPRITE& sprite = piece->Sprite;
    const int x0 = static_cast<int>(piece->X) + BoardMargin;
    const int y0 = static_cast<int>(piece->Y) + BoardMargin;
    const bool mirror = sprite.Mirror != 0;
    if (piece->IsDead == 0) {
        DrawBar(x0 + ((piece->Width - BarWidth) >> 1), y0, piece->Health, piece->MaxHealth,
                piece->TeamColour);
        const int glow = sprite.GetLastFrame();
        if (glow >= 0 && glow < static_cast<int>(sprite.Frames.size())) {
            const SPRITEFRAME& frame = sprite.Frames[static_cast<std::size_t>(glow)];
            const RECTANGLE source = FrameRect(frame);
            DrawSprite(frame.Texture, x0, y0, &source, sprite.Scale * GlowGrowth, sprite.Scale * GlowGrowth, 0.0f,
                       AlphaOf(piece->GlowAlpha), piece->TeamColour, mirror);
        }
    }
    if (const SPRITEFRAME* frame = sprite.GetCurrentFrame()) {
        std::uint32_t alpha = LiveDreamerAlpha;
        std::uint32_t colour = piece->PaleColour;
        if (piece->IsDead != 0) {
            alpha = AlphaOf(piece->Alpha);
            colour = DeadColour;
        } else if (piece->Kind == PieceCreature) {
            alpha = LiveCreatureAlpha;
        }
        const RECTANGLE source = FrameRect(*frame);
        DrawSprite(frame->Texture, x0, y0, &source, sprite.Scale, sprite.Scale, 0.0f, alpha, colour, mirror);
    }
    if (piece->HoverMark != 0) {
        DrawPieceMarker(piece, HoverImage, Yellow);
    } else if (piece->TargetMark != 0) {
        const bool friendly = selected != nullptr && selected->Team == piece->Team;
        DrawPieceMarker(piece, TargetImage, friendly ? White : Red);
    }
}

void DrawPieceMarker(const PIECEBASE* piece, int texture, std::uint32_t colour)
{
    const int x = static_cast<int>(piece->X) - ((MarkerSize - piece->Width) >> 1) + BoardMargin;
    const int y = static_cast<int>(piece->Y) - ((MarkerSize - piece->Height) >> 1) + BoardMargin;
    DrawSpriteNoRect(texture, x, y, 1.0f, 1.0f, 0.0f, 255, colour, false);
}

// A turning effect is never mirrored: the mirror is only honoured at angle 0.
void DrawEffect(const GAME& game, const EFFECT& effect)
{
    const SPRITE& sprite = effect.Sprite;
    const int headX = static_cast<int>(effect.HeadX) + BoardMargin;
    const int headY = static_cast<int>(effect.HeadY) + BoardMargin;
    if (effect.IsLine != 0) {
        const int tailX = static_cast<int>(effect.TailX) + BoardMargin;
        const int tailY = static_cast<int>(effect.TailY) + BoardMargin;
        DrawLine(tailX, tailY, headX, headY, effect.Width, AlphaOf(sprite.Alpha), sprite.Colour);
        return;
    }
    const SPRITEFRAME* frame = sprite.GetCurrentFrame();
    if (frame == nullptr)
        return;
    const RECTANGLE source = FrameRect(*frame);
    float scaleX = sprite.Scale;
    if (sprite.Angle == 0.0f && sprite.Mirror != 0)
        scaleX = -scaleX;
    DrawSpriteEx(frame->Texture, headX, headY, source.Right - source.Left, source.Bottom - source.Top, &source, scaleX,
                 sprite.Scale, sprite.Angle * DegreesToRadians, EffectAlpha(game, effect), sprite.Colour,
                 sprite.ScaledPlacement != 0, true);
}

// The frame takes the human's colour during his turn, and is white otherwise.
void DrawBoardFrame(const GAME& game, int x, int y)
{
    std::uint32_t colour = White;
    if (game.CurrentPlayer >= 0 && game.CurrentPlayer < MaxPlayers &&
        game.Players[game.CurrentPlayer].Kind == PieceHumanDreamer)
        colour = game.Players[game.CurrentPlayer].TeamColour;
    for (const FRAMEPIECE& piece : FramePieces) {
        for (int i = 0; i < piece.Count; i++)
            DrawSprite(BordersImage, x + piece.X + piece.StepX * i, y + piece.Y + piece.StepY * i, &piece.Source,
                       1.0f, 1.0f, 0.0f, 255, colour, false);
    }
}

float GetFrameSpeed(int framesPerSecond)
{
    return 60.0f / static_cast<float>(std::max(framesPerSecond, 30));
}

// New pictures appear one a frame, anywhere but the bottom 50 pixels, until 40 are alive.
void SpawnDecorations(GAME& game)
{
    SCENERY& scenery = game.Scenery;
    if (scenery.CountActive() < DecorationCount) {
        const int kind = Rand() % SceneryKindCount;
        const int life = 2000 + Rand() % 500;
        int width = 0;
        int height = 0;
        scenery.GetKindSize(kind, width, height);
        const int y = Rand() % (PictureHeight - height - 50) + BoardMargin;
        const int x = Rand() % (PictureWidth - width) + BoardMargin;
        scenery.Spawn(kind, x, y, life);
    }
    for (const SCENERYITEM& item : scenery.Items) {
        if (item.IsActive != 0)
            DrawSceneryItem(item);
    }
}

void DrawSceneryItem(const SCENERYITEM& item)
{
    const SPRITE& sprite = item.Sprite;
    const SPRITEFRAME* frame = sprite.GetCurrentFrame();
    if (frame == nullptr)
        return;
    const RECTANGLE source = FrameRect(*frame);
    DrawSpriteEx(frame->Texture, static_cast<int>(item.X), static_cast<int>(item.Y), source.Right - source.Left,
                 source.Bottom - source.Top, &source, sprite.Scale, sprite.Scale, sprite.Angle * DegreesToRadians,
                 AlphaOf(item.Alpha), sprite.Colour, sprite.ScaledPlacement != 0, true);
}
