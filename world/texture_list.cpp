// The texture list: the file of every 2-D picture, row N being image N.
#include "world/texture_list.h"

#include <iterator>

// Row, file name, colour key (none), mip filter.
constexpr TEXTUREFILE TextureList[] = {
    {TextureGridA,      "GridA.dds",      0, MipFilterBox},
    {TextureGridB,      "GridB.dds",      0, MipFilterBox},
    {TextureGridC,      "GridC.dds",      0, MipFilterBox},
    {TextureGridD,      "GridD.dds",      0, MipFilterBox},
    {TextureRange,      "Range.dds",      0, MipFilterBox},
    {TextureSelectA,    "SelectA.dds",    0, MipFilterBox},
    {TextureShamanA,    "ShamanA.dds",    0, MipFilterBox},
    {TextureBeeShamanA, "BeeShamanA.dds", 0, MipFilterBox},
    {TextureEagleA,     "EagleA.dds",     0, MipFilterBox},
    {TextureCursorA,    "CursorA.dds",    0, MipFilterBox},
    {TextureCursorB,    "CursorB.dds",    0, MipFilterBox},
    {TextureFireA,      "FireA.dds",      0, MipFilterBox},
    {TextureBadger,     "Badger.dds",     0, MipFilterBox},
    {TextureSelectB,    "SelectB.dds",    0, MipFilterBox},
    {TextureBear,       "Bear.dds",       0, MipFilterBox},
    {TextureBlackbird,  "Blackbird.dds",  0, MipFilterBox},
    {TextureCat,        "Cat.dds",        0, MipFilterBox},
    {TextureCrane,      "Crane.dds",      0, MipFilterBox},
    {TextureCrow,       "Crow.dds",       0, MipFilterBox},
    {TextureEagle,      "Eagle.dds",      0, MipFilterBox},
    {TextureEel,        "Eel.dds",        0, MipFilterBox},
    {TextureHorse,      "Horse.dds",      0, MipFilterBox},
    {TextureEnergy,     "Energy.dds",     0, MipFilterBox},
    {TextureBorders,    "Borders.dds",    0, MipFilterBox},
    {TextureOtter,      "Otter.dds",      0, MipFilterBox},
    {TextureOwl,        "Owl.dds",        0, MipFilterBox},
    {TextureBoar,       "Boar.dds",       0, MipFilterBox},
    {TextureSalmon,     "Salmon.dds",     0, MipFilterBox},
    {TextureSwan,       "Swan.dds",       0, MipFilterBox},
    {TextureWolf,       "Wolf.dds",       0, MipFilterBox},
    {TextureSquirrel,   "Squirrel.dds",   0, MipFilterBox},
    {TextureFireB,      "FireB.dds",      0, MipFilterBox},
    {TextureFireWild,   "FireWild.dds",   0, MipFilterBox},
    {TextureTorn,       "Torn.dds",       0, MipFilterBox},
    {TextureCloud,      "Cloud.dds",      0, MipFilterBox},
    {TextureExp,        "Exp.dds",        0, MipFilterBox},
    {TextureDragon,     "Dragon.dds",     0, MipFilterBox},
    {TextureCharSuit,   "CharSuit.dds",   0, MipFilterBox},
    {TextureCharA,      "CharA.dds",      0, MipFilterBox},
    {TextureCharB,      "CharB.dds",      0, MipFilterBox},
    {TextureFireC,      "FireC.dds",      0, MipFilterBox},
    {TextureFireD,      "FireD.dds",      0, MipFilterBox},
    {TextureFireE,      "FireE.dds",      0, MipFilterBox},
    {TextureFireF,      "FireF.dds",      0, MipFilterBox},
    {TextureFireG,      "FireG.dds",      0, MipFilterBox},
    {TextureCharNo1,    "CharNo1.dds",    0, MipFilterBox},
    {TextureCharNo2,    "CharNo2.dds",    0, MipFilterBox},
    {TextureCharNo3,    "CharNo3.dds",    0, MipFilterBox},
    {TextureCharNo4,    "CharNo4.dds",    0, MipFilterBox},
    {TextureCharNo5,    "CharNo5.dds",    0, MipFilterBox},
    {TextureCharNo6,    "CharNo6.dds",    0, MipFilterBox},
    {TextureCharNo7,    "CharNo7.dds",    0, MipFilterBox},
    {TextureCharNo8,    "CharNo8.dds",    0, MipFilterBox},
    {TextureCharType1,  "CharType1.dds",  0, MipFilterBox},
    {TextureCharType2,  "CharType2.dds",  0, MipFilterBox},
    {TextureCharType3,  "CharType3.dds",  0, MipFilterBox},
    {TextureCharType4,  "CharType4.dds",  0, MipFilterBox},
    {TextureCharType5,  "CharType5.dds",  0, MipFilterBox},
    {TextureFireH,      "FireH.dds",      0, MipFilterBox},
    {TextureFireI,      "FireI.dds",      0, MipFilterBox},
    {TextureFireJ,      "FireJ.dds",      0, MipFilterBox},
    {TextureFireK,      "FireK.dds",      0, MipFilterBox},
    {TextureCharC,      "CharC.dds",      0, MipFilterBox},
    {TextureCharD,      "CharD.dds",      0, MipFilterBox},
    {TextureDreamerA,   "DreamerA.dds",   0, MipFilterBox},
    {TextureDruidA,     "DruidA.dds",     0, MipFilterBox},
    {TextureWitchA,     "WitchA.dds",     0, MipFilterBox},
    {TextureFrog,       "Frog.dds",       0, MipFilterBox},
    {TextureDeer,       "Deer.dds",       0, MipFilterBox},
    {TextureCharE,      "CharE.dds",      0, MipFilterBox},
    {TextureCharF,      "CharF.dds",      0, MipFilterBox},
    {TextureCharG,      "CharG.dds",      0, MipFilterBox},
    {TextureCharH,      "CharH.dds",      0, MipFilterBox},
    {TextureCharI,      "CharI.dds",      0, MipFilterBox},
    {TextureCharK,      "CharK.dds",      0, MipFilterBox},
    {TextureCharL,      "CharL.dds",      0, MipFilterBox},
    {TextureCharM,      "CharM.dds",      0, MipFilterBox},
    {TextureBee,        "Bee.dds",        0, MipFilterBox},
    {TextureTitle,      "Title.dds",      0, MipFilterBox},
    {TextureCloud2,     "Cloud2.dds",     0, MipFilterBox},
    {TextureImageA,     "ImageA.dds",     0, MipFilterBox},
    {TextureImageB,     "ImageB.dds",     0, MipFilterBox},
    {TextureImageC,     "ImageC.dds",     0, MipFilterBox},
    {TextureImageD,     "ImageD.dds",     0, MipFilterBox},
    {TextureImageE,     "ImageE.dds",     0, MipFilterBox},
    {TextureInfo,       "Info.dds",       0, MipFilterBox},
    {TextureImageF,     "ImageF.dds",     0, MipFilterBox},
    {TextureImageG,     "ImageG.dds",     0, MipFilterBox},
    {TextureImageH,     "ImageH.dds",     0, MipFilterBox},
    {TextureImageI,     "ImageI.dds",     0, MipFilterBox},
    {TextureImageJ,     "ImageJ.dds",     0, MipFilterBox},
    {TextureBar,        "Bar.dds",        0, MipFilterBox},
};
static_assert(std::size(TextureList) == TextureListRows);

namespace {

// Each row stands at the place its name says, so every name reaches the picture it is named for.
constexpr bool RowsInNameOrder()
{
    for (int i = 0; i < TextureListRows; i++)
        if (TextureList[i].Row != i)
            return false;
    return true;
}
static_assert(RowsInNameOrder());

}  // namespace
