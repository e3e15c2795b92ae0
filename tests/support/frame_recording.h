// A frame's draws recorded from every drawer taking part, to be drawn again in call order by another rasteriser.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/device.h"

class FRAMERECORDING {
public:
    void Start(std::initializer_list<SPRITEDRAWER*> sprites, LINEDRAWER* line);  // records every later draw of these
    void Stop();                                                                 // the drawers record no more
    // Calls sprite(SPRITEDRAW) and line(LINEDRAW) for the draws in the order they were asked for.
    template <typename SPRITE, typename LINE>
    void Replay(SPRITE sprite, LINE line) const
    {
        for (std::size_t s = 0, l = 0; s < Sprites.size() || l < Lines.size();) {
            if (l == Lines.size() || (s < Sprites.size() && Sprites[s].Sequence < Lines[l].Sequence))
                sprite(Sprites[s++]);
            else
                line(Lines[l++]);
        }
    }
    // The pixels that differ between drawn and the recording drawn again through the path over black.
    int PixelsDifferingFrom(const DEVICE& drawn, DRAWPATH path) const;

private:
    std::vector<SPRITEDRAWER*> SpriteDrawers;
    LINEDRAWER* LineDrawer = nullptr;
    std::vector<SPRITEDRAW> Sprites;
    std::vector<LINEDRAW> Lines;
};

// The share of the device's pixels that the 640 x 512 picture has within most in every colour channel.
double ShareAlike(const std::uint32_t* picture, const DEVICE& device, int most);
