// The glyph tables of the two fonts, one row per character code from 32 (space) to 126 ('~').
#include <iterator>

#include "graphics/font.h"

// File, source x and y, height, y offset, advance before widening, texture. The slots of '#', ';', '<', '=',
// '>' hold the acute capitals A, E, I, O, U and those of '[', backslash, ']', '^', '_' the acute small vowels;
// the backing pictures sit on the space, '{' and '~', the coin on '+', the arrows on '|' and '}'. The double
// quote and '%' have no file and draw from the space's texture.
const GLYPH LargeFontTable[] = {
    {"FT_Backing.dds", 0, 0, 32, 0, 256, nullptr},      // 32 space
    {"FT_symEx.dds", 0, 0, 32, 0, 8, nullptr},          // 33 !
    {"", 0, 0, 32, 0, 18, nullptr},                     // 34 double quote
    {"FT_capAx.dds", 0, 0, 38, -6, 26, nullptr},        // 35 #
    {"FT_symDollar.dds", 0, 0, 32, 0, 20, nullptr},     // 36 $
    {"", 0, 0, 32, 0, 18, nullptr},                     // 37 %
    {"FT_symAnd.dds", 0, 0, 32, 0, 28, nullptr},        // 38 &
    {"FT_symDot.dds", 0, 0, 32, 0, 6, nullptr},         // 39 apostrophe
    {"FT_symOpen.dds", 0, 0, 32, 0, 9, nullptr},        // 40 (
    {"FT_symClose.dds", 0, 0, 32, 0, 9, nullptr},       // 41 )
    {"FT_symCur.dds", 0, 0, 32, 0, 20, nullptr},        // 42 *
    {"FT_Coin.dds", 0, 0, 32, 0, 32, nullptr},          // 43 +
    {"FT_symComma.dds", 0, 0, 32, 7, 6, nullptr},       // 44 ,
    {"FT_symMinus.dds", 0, 0, 32, 0, 9, nullptr},       // 45 -
    {"FT_symStop.dds", 0, 0, 32, 0, 6, nullptr},        // 46 .
    {"FT_symForward.dds", 0, 0, 32, 0, 20, nullptr},    // 47 /
    {"FT_num0.dds", 0, 0, 32, 0, 21, nullptr},          // 48 0
    {"FT_num1.dds", 0, 0, 32, 0, 24, nullptr},          // 49 1
    {"FT_num2.dds", 0, 0, 32, 0, 21, nullptr},          // 50 2
    {"FT_num3.dds", 0, 0, 32, 0, 22, nullptr},          // 51 3
    {"FT_num4.dds", 0, 0, 32, 0, 23, nullptr},          // 52 4
    {"FT_num5.dds", 0, 0, 32, 0, 22, nullptr},          // 53 5
    {"FT_num6.dds", 0, 0, 32, 0, 22, nullptr},          // 54 6
    {"FT_num7.dds", 0, 0, 32, 0, 21, nullptr},          // 55 7
    {"FT_num8.dds", 0, 0, 32, 0, 23, nullptr},          // 56 8
    {"FT_num9.dds", 0, 0, 32, 0, 22, nullptr},          // 57 9
    {"FT_symColon.dds", 0, 0, 32, 0, 8, nullptr},       // 58 :
    {"FT_capEx.dds", 0, 0, 38, -6, 21, nullptr},        // 59 ;
    {"FT_capIx.dds", 0, 0, 38, -6, 7, nullptr},         // 60 <
    {"FT_capOx.dds", 0, 0, 38, -5, 23, nullptr},        // 61 =
    {"FT_capUx.dds", 0, 0, 38, -6, 22, nullptr},        // 62 >
    {"FT_symQuestion.dds", 0, 0, 32, 0, 20, nullptr},   // 63 ?
    {"FT_symAt.dds", 0, 0, 32, 0, 29, nullptr},         // 64 @
    {"FT_capA.dds", 0, 0, 32, 0, 26, nullptr},          // 65 A
    {"FT_capB.dds", 0, 0, 32, 0, 23, nullptr},          // 66 B
    {"FT_capC.dds", 0, 0, 32, 0, 24, nullptr},          // 67 C
    {"FT_capD.dds", 0, 0, 32, 0, 23, nullptr},          // 68 D
    {"FT_capE.dds", 0, 0, 32, 0, 21, nullptr},          // 69 E
    {"FT_capF.dds", 0, 0, 32, 0, 20, nullptr},          // 70 F
    {"FT_capG.dds", 0, 0, 32, 0, 24, nullptr},          // 71 G
    {"FT_capH.dds", 0, 0, 32, 0, 22, nullptr},          // 72 H
    {"FT_capI.dds", 0, 0, 32, 0, 7, nullptr},           // 73 I
    {"FT_capJ.dds", 0, 0, 32, 0, 13, nullptr},          // 74 J
    {"FT_capK.dds", 0, 0, 32, 0, 24, nullptr},          // 75 K
    {"FT_capL.dds", 0, 0, 32, 0, 18, nullptr},          // 76 L
    {"FT_capM.dds", 0, 0, 32, 0, 32, nullptr},          // 77 M
    {"FT_capN.dds", 0, 0, 32, 0, 22, nullptr},          // 78 N
    {"FT_capO.dds", 0, 0, 32, 0, 23, nullptr},          // 79 O
    {"FT_capP.dds", 0, 0, 32, 0, 22, nullptr},          // 80 P
    {"FT_capQ.dds", 0, 0, 36, 1, 24, nullptr},          // 81 Q
    {"FT_capR.dds", 0, 0, 32, 0, 23, nullptr},          // 82 R
    {"FT_capS.dds", 0, 0, 32, 0, 22, nullptr},          // 83 S
    {"FT_capT.dds", 0, 0, 32, 0, 21, nullptr},          // 84 T
    {"FT_capU.dds", 0, 0, 32, 0, 22, nullptr},          // 85 U
    {"FT_capV.dds", 0, 0, 32, 0, 24, nullptr},          // 86 V
    {"FT_capW.dds", 0, 0, 32, 0, 38, nullptr},          // 87 W
    {"FT_capX.dds", 0, 0, 32, 0, 26, nullptr},          // 88 X
    {"FT_capY.dds", 0, 0, 32, 0, 24, nullptr},          // 89 Y
    {"FT_capZ.dds", 0, 0, 32, 0, 23, nullptr},          // 90 Z
    {"FT_smallax.dds", 0, 0, 32, 0, 19, nullptr},       // 91 [
    {"FT_smallex.dds", 0, 0, 32, 0, 21, nullptr},       // 92 backslash
    {"FT_smallix.dds", 0, 0, 32, 0, 6, nullptr},        // 93 ]
    {"FT_smallox.dds", 0, 0, 32, 0, 21, nullptr},       // 94 ^
    {"FT_smallux.dds", 0, 0, 32, 0, 17, nullptr},       // 95 _
    {"FT_symCopy.dds", 0, 0, 32, 0, 30, nullptr},       // 96 `
    {"FT_smalla.dds", 0, 0, 32, 0, 19, nullptr},        // 97 a
    {"FT_smallb.dds", 0, 0, 32, 0, 19, nullptr},        // 98 b
    {"FT_smallc.dds", 0, 0, 32, 0, 20, nullptr},        // 99 c
    {"FT_smalld.dds", 0, 0, 32, 0, 19, nullptr},        // 100 d
    {"FT_smalle.dds", 0, 0, 32, 0, 21, nullptr},        // 101 e
    {"FT_smallf.dds", 0, 0, 32, 6, 12, nullptr},        // 102 f
    {"FT_smallg.dds", 0, 0, 32, 7, 23, nullptr},        // 103 g
    {"FT_smallh.dds", 0, 0, 32, 0, 17, nullptr},        // 104 h
    {"FT_smalli.dds", 0, 0, 32, 0, 6, nullptr},         // 105 i
    {"FT_smallj.dds", 0, 0, 32, 2, 9, nullptr},         // 106 j
    {"FT_smallk.dds", 0, 0, 32, 0, 21, nullptr},        // 107 k
    {"FT_smalll.dds", 0, 0, 32, 0, 6, nullptr},         // 108 l
    {"FT_smallm.dds", 0, 0, 32, 0, 30, nullptr},        // 109 m
    {"FT_smalln.dds", 0, 0, 32, 0, 18, nullptr},        // 110 n
    {"FT_smallo.dds", 0, 0, 32, 0, 21, nullptr},        // 111 o
    {"FT_smallp.dds", 0, 0, 32, 6, 19, nullptr},        // 112 p
    {"FT_smallq.dds", 0, 0, 32, 6, 19, nullptr},        // 113 q
    {"FT_smallr.dds", 0, 0, 32, 0, 11, nullptr},        // 114 r
    {"FT_smalls.dds", 0, 0, 32, 0, 19, nullptr},        // 115 s
    {"FT_smallt.dds", 0, 0, 32, 0, 14, nullptr},        // 116 t
    {"FT_smallu.dds", 0, 0, 32, 0, 17, nullptr},        // 117 u
    {"FT_smallv.dds", 0, 0, 32, 0, 19, nullptr},        // 118 v
    {"FT_smallw.dds", 0, 0, 32, 0, 31, nullptr},        // 119 w
    {"FT_smallx.dds", 0, 0, 32, 0, 20, nullptr},        // 120 x
    {"FT_smally.dds", 0, 0, 32, 8, 19, nullptr},        // 121 y
    {"FT_smallz.dds", 0, 0, 32, 0, 17, nullptr},        // 122 z
    {"FT_Backing2.dds", 0, 0, 32, 0, 256, nullptr},     // 123 {
    {"FT_symUp.dds", 0, 0, 32, 0, 32, nullptr},         // 124 |
    {"FT_symDown.dds", 0, 0, 32, 0, 32, nullptr},       // 125 }
    {"FT_Backing3.dds", 0, 0, 32, 0, 256, nullptr},     // 126 ~
};
static_assert(std::size(LargeFontTable) == FontGlyphs);

// File, source x and y, height, y offset, advance, texture. Capitals lie in the atlas's row at y 0, digits and
// punctuation in the row at y 16, and the small letters share the capitals' cells. The 4-texel strips on
// '[', backslash, ']', '{', '|' and '}' and the cells of '^', '_' and '`' are the pieces of the menu frames.
const GLYPH SmallFontTable[] = {
    {"_Small.dds", 0, 0, 16, 0, 4, nullptr},            // 32 space
    {"_Small.dds", 83, 16, 16, 0, 3, nullptr},          // 33 !
    {"_Small.dds", 0, 16, 16, 0, 4, nullptr},           // 34 double quote
    {"_Small.dds", 86, 16, 16, 0, 9, nullptr},          // 35 #
    {"_Small.dds", 95, 16, 16, 0, 8, nullptr},          // 36 $
    {"_Small.dds", 103, 16, 16, 0, 7, nullptr},         // 37 %
    {"_Small.dds", 110, 16, 16, 0, 9, nullptr},         // 38 &
    {"_Small.dds", 119, 16, 16, 0, 3, nullptr},         // 39 apostrophe
    {"_Small.dds", 122, 16, 16, 0, 4, nullptr},         // 40 (
    {"_Small.dds", 125, 16, 16, 0, 4, nullptr},         // 41 )
    {"_Small.dds", 130, 16, 16, 0, 9, nullptr},         // 42 *
    {"_Small.dds", 139, 16, 16, 0, 9, nullptr},         // 43 +
    {"_Small.dds", 196, 16, 16, 0, 4, nullptr},         // 44 ,
    {"_Small.dds", 148, 16, 16, 0, 7, nullptr},         // 45 -
    {"_Small.dds", 200, 16, 16, 0, 3, nullptr},         // 46 .
    {"_Small.dds", 155, 16, 16, 0, 7, nullptr},         // 47 /
    {"_Small.dds", 4, 16, 16, 0, 8, nullptr},           // 48 0
    {"_Small.dds", 12, 16, 16, 0, 7, nullptr},          // 49 1
    {"_Small.dds", 19, 16, 16, 0, 8, nullptr},          // 50 2
    {"_Small.dds", 27, 16, 16, 0, 8, nullptr},          // 51 3
    {"_Small.dds", 35, 16, 16, 0, 8, nullptr},          // 52 4
    {"_Small.dds", 43, 16, 16, 0, 8, nullptr},          // 53 5
    {"_Small.dds", 51, 16, 16, 0, 8, nullptr},          // 54 6
    {"_Small.dds", 59, 16, 16, 0, 8, nullptr},          // 55 7
    {"_Small.dds", 67, 16, 16, 0, 8, nullptr},          // 56 8
    {"_Small.dds", 75, 16, 16, 0, 8, nullptr},          // 57 9
    {"_Small.dds", 162, 16, 16, 0, 3, nullptr},         // 58 :
    {"_Small.dds", 165, 16, 16, 0, 4, nullptr},         // 59 ;
    {"_Small.dds", 169, 16, 16, 0, 6, nullptr},         // 60 <
    {"_Small.dds", 175, 16, 16, 0, 6, nullptr},         // 61 =
    {"_Small.dds", 181, 16, 16, 0, 6, nullptr},         // 62 >
    {"_Small.dds", 203, 16, 16, 0, 8, nullptr},         // 63 ?
    {"_Small.dds", 187, 16, 16, 0, 9, nullptr},         // 64 @
    {"_Small.dds", 4, 0, 16, 0, 8, nullptr},            // 65 A
    {"_Small.dds", 12, 0, 16, 0, 8, nullptr},           // 66 B
    {"_Small.dds", 20, 0, 16, 0, 8, nullptr},           // 67 C
    {"_Small.dds", 28, 0, 16, 0, 8, nullptr},           // 68 D
    {"_Small.dds", 36, 0, 16, 0, 8, nullptr},           // 69 E
    {"_Small.dds", 44, 0, 16, 0, 8, nullptr},           // 70 F
    {"_Small.dds", 52, 0, 16, 0, 8, nullptr},           // 71 G
    {"_Small.dds", 60, 0, 16, 0, 8, nullptr},           // 72 H
    {"_Small.dds", 68, 0, 16, 0, 3, nullptr},           // 73 I
    {"_Small.dds", 71, 0, 16, 0, 8, nullptr},           // 74 J
    {"_Small.dds", 79, 0, 16, 0, 8, nullptr},           // 75 K
    {"_Small.dds", 87, 0, 16, 0, 8, nullptr},           // 76 L
    {"_Small.dds", 95, 0, 16, 0, 10, nullptr},          // 77 M
    {"_Small.dds", 105, 0, 16, 0, 9, nullptr},          // 78 N
    {"_Small.dds", 114, 0, 16, 0, 8, nullptr},          // 79 O
    {"_Small.dds", 122, 0, 16, 0, 8, nullptr},          // 80 P
    {"_Small.dds", 130, 0, 16, 0, 8, nullptr},          // 81 Q
    {"_Small.dds", 138, 0, 16, 0, 8, nullptr},          // 82 R
    {"_Small.dds", 146, 0, 16, 0, 8, nullptr},          // 83 S
    {"_Small.dds", 154, 0, 16, 0, 7, nullptr},          // 84 T
    {"_Small.dds", 161, 0, 16, 0, 8, nullptr},          // 85 U
    {"_Small.dds", 169, 0, 16, 0, 8, nullptr},          // 86 V
    {"_Small.dds", 177, 0, 16, 0, 10, nullptr},         // 87 W
    {"_Small.dds", 187, 0, 16, 0, 9, nullptr},          // 88 X
    {"_Small.dds", 196, 0, 16, 0, 9, nullptr},          // 89 Y
    {"_Small.dds", 205, 0, 16, 0, 9, nullptr},          // 90 Z
    {"_Small.dds", 213, 2, 4, 0, 8, nullptr},           // 91 [
    {"_Small.dds", 222, 2, 4, 0, 8, nullptr},           // 92 backslash
    {"_Small.dds", 231, 2, 4, 0, 8, nullptr},           // 93 ]
    {"_Small.dds", 213, 16, 16, 0, 4, nullptr},         // 94 ^
    {"_Small.dds", 218, 16, 16, 0, 8, nullptr},         // 95 _
    {"_Small.dds", 227, 16, 16, 0, 4, nullptr},         // 96 `
    {"_Small.dds", 4, 0, 16, 0, 8, nullptr},            // 97 a
    {"_Small.dds", 12, 0, 16, 0, 8, nullptr},           // 98 b
    {"_Small.dds", 20, 0, 16, 0, 8, nullptr},           // 99 c
    {"_Small.dds", 28, 0, 16, 0, 8, nullptr},           // 100 d
    {"_Small.dds", 36, 0, 16, 0, 8, nullptr},           // 101 e
    {"_Small.dds", 44, 0, 16, 0, 8, nullptr},           // 102 f
    {"_Small.dds", 52, 0, 16, 0, 8, nullptr},           // 103 g
    {"_Small.dds", 60, 0, 16, 0, 8, nullptr},           // 104 h
    {"_Small.dds", 68, 0, 16, 0, 3, nullptr},           // 105 i
    {"_Small.dds", 71, 0, 16, 0, 8, nullptr},           // 106 j
    {"_Small.dds", 79, 0, 16, 0, 8, nullptr},           // 107 k
    {"_Small.dds", 87, 0, 16, 0, 8, nullptr},           // 108 l
    {"_Small.dds", 95, 0, 16, 0, 10, nullptr},          // 109 m
    {"_Small.dds", 105, 0, 16, 0, 9, nullptr},          // 110 n
    {"_Small.dds", 114, 0, 16, 0, 8, nullptr},          // 111 o
    {"_Small.dds", 122, 0, 16, 0, 8, nullptr},          // 112 p
    {"_Small.dds", 130, 0, 16, 0, 8, nullptr},          // 113 q
    {"_Small.dds", 138, 0, 16, 0, 8, nullptr},          // 114 r
    {"_Small.dds", 146, 0, 16, 0, 8, nullptr},          // 115 s
    {"_Small.dds", 154, 0, 16, 0, 7, nullptr},          // 116 t
    {"_Small.dds", 161, 0, 16, 0, 8, nullptr},          // 117 u
    {"_Small.dds", 169, 0, 16, 0, 8, nullptr},          // 118 v
    {"_Small.dds", 177, 0, 16, 0, 10, nullptr},         // 119 w
    {"_Small.dds", 187, 0, 16, 0, 9, nullptr},          // 120 x
    {"_Small.dds", 196, 0, 16, 0, 9, nullptr},          // 121 y
    {"_Small.dds", 204, 0, 16, 0, 9, nullptr},          // 122 z
    {"_Small.dds", 213, 7, 4, 0, 8, nullptr},           // 123 {
    {"_Small.dds", 222, 7, 4, 0, 8, nullptr},           // 124 |
    {"_Small.dds", 231, 7, 4, 0, 8, nullptr},           // 125 }
    {"_Small.dds", 0, 0, 16, 0, 4, nullptr},            // 126 ~
};
static_assert(std::size(SmallFontTable) == FontGlyphs);
