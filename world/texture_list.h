// The texture list: the file of every 2-D picture the game draws, and the names of its rows.
#pragma once

#include <cstdint>

constexpr std::uint32_t MipFilterBox = 5;  // the mip filter every texture is loaded with

// The rows of the texture list in its order, each named for its file. Tables and screens name a picture by its
// row, so a row put in anywhere moves the later names with their pictures.
enum TEXTUREROW : int {
    TextureGridA,      // a board tile
    TextureGridB,      // a tile of the board's top row
    TextureGridC,      // a tile of the board's last column
    TextureGridD,      // the top row's last tile
    TextureRange,      // the reach circle round the piece whose action is aimed
    TextureSelectA,    // the hover marker
    TextureShamanA,
    TextureBeeShamanA,
    TextureEagleA,
    TextureCursorA,
    TextureCursorB,
    TextureFireA,      // a bolt's sheet, as are FireB to FireK
    TextureBadger,
    TextureSelectB,    // the target marker
    TextureBear,
    TextureBlackbird,
    TextureCat,
    TextureCrane,
    TextureCrow,
    TextureEagle,
    TextureEel,
    TextureHorse,
    TextureEnergy,     // the value bar's fill and frame
    TextureBorders,    // the board's frame
    TextureOtter,
    TextureOwl,
    TextureBoar,
    TextureSalmon,
    TextureSwan,
    TextureWolf,
    TextureSquirrel,
    TextureFireB,
    TextureFireWild,   // Wild Fire
    TextureTorn,       // Tornado
    TextureCloud,      // Thunder Storm's cloud
    TextureExp,        // the sparkle
    TextureDragon,
    TextureCharSuit,   // Kell's picture
    TextureCharA,
    TextureCharB,
    TextureFireC,
    TextureFireD,
    TextureFireE,
    TextureFireF,
    TextureFireG,
    TextureCharNo1,    // the buttons for 1 to 8 players, through CharNo8
    TextureCharNo2,
    TextureCharNo3,
    TextureCharNo4,
    TextureCharNo5,
    TextureCharNo6,
    TextureCharNo7,
    TextureCharNo8,
    TextureCharType1,  // an unlocked choice slot's frame
    TextureCharType2,  // the Free Game button
    TextureCharType3,  // the Challenge button
    TextureCharType4,  // a locked choice slot's frame
    TextureCharType5,
    TextureFireH,
    TextureFireI,
    TextureFireJ,
    TextureFireK,
    TextureCharC,      // Pellamor's picture
    TextureCharD,      // Ulvessa's picture
    TextureDreamerA,
    TextureDruidA,
    TextureWitchA,
    TextureFrog,
    TextureDeer,
    TextureCharE,      // Quorvin's picture
    TextureCharF,      // Tirevane's picture
    TextureCharG,      // Idrassa's picture
    TextureCharH,      // Hive Warden's picture
    TextureCharI,      // Brenthal's picture
    TextureCharK,      // Corvessa's picture
    TextureCharL,      // Waxlight's picture
    TextureCharM,      // Nimbrel's picture
    TextureBee,
    TextureTitle,      // the title
    TextureCloud2,     // Cloud Cover's clouds
    TextureImageA,     // the title and choice screens' background, and scenery kind 0
    TextureImageB,     // scenery kind 1
    TextureImageC,     // scenery kind 2
    TextureImageD,     // scenery kind 3
    TextureImageE,     // scenery kind 4
    TextureInfo,
    TextureImageF,     // scenery kind 5
    TextureImageG,     // scenery kind 6
    TextureImageH,     // the name-entry screen's background
    TextureImageI,     // a challenge's background
    TextureImageJ,     // a free game's background
    TextureBar,        // a tile of the bottom bar
};

constexpr int TextureListRows = 92;
static_assert(TextureBar == TextureListRows - 1);

// One row of the texture list: its name, a file in "Textures\", its colour key and its mip filter.
constexpr int TextureFileNameSize = 16;
struct TEXTUREFILE {
    TEXTUREROW Row;
    char Name[TextureFileNameSize];
    std::uint32_t ColourKey;
    std::uint32_t MipFilter;
};

extern const TEXTUREFILE TextureList[];  // row N is 2-D image N
