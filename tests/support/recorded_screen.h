// A fixture for drawing tests of the screens: both fonts and every texture-list image in a table of the
// test's own (image N is a fake texture of its own), with every glyph and every image drawn recorded.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "graphics/textures.h"
#include "platform/device.h"

class RECORDEDSCREEN : public testing::Test {
protected:
    void SetUp() override;      // fonts loaded and recorded into Texts, images recorded into Images
    void TearDown() override;   // the global fonts, images and sprite object as they were

    int ImageOf(const SPRITEDRAW& draw) const;  // the texture-list row a draw used, -1 for none of them

    DEVICE Device;
    TEXTURES Table;
    TEXTURE Fakes[TextureListRows];
    SPRITEDRAWER Sprite;
    std::vector<SPRITEDRAW> Texts;
    std::vector<SPRITEDRAW> Images;
};
