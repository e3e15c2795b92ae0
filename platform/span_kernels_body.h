// The span kernels written once over a set of vector operations (LANES), included by one source per instruction
// set. Everything here has internal linkage, so no instruction set's copy can stand in for another's.
//
// A pixel's four channels widen to four 16-bit lanes. Every step is the reference's integer arithmetic, whose
// intermediate values all stay below 65536: two channels times weights adding up to 256 at most, plus the
// rounding half.
#pragma once

#include <cstdint>
#include <cstring>

#include "platform/span_kernels.h"

namespace {

template <typename LANES>
struct KERNELS {
    using INT = typename LANES::INT;
    using FLOAT = typename LANES::FLOAT;
    static constexpr int Width = LANES::Pixels;

    // value / 255 rounded to nearest for values up to 255 x 255, as the reference divides: its (t + t / 256) / 256
    // of t = value + 128, rounded down at both steps, is t (1 + 1/256) / 256 rounded down once.
    static INT DivideBy255(INT value)
    {
        return LANES::MulHigh16(LANES::Add16(value, LANES::Splat16(128)), LANES::Splat16(257));
    }

    // (first (256 - weight) + second weight + 128) / 256 per channel, the reference's Mix.
    static INT MixChannels(INT first, INT second, INT weight)
    {
        INT keep = LANES::Sub16(LANES::Splat16(256), weight);
        INT sum = LANES::Add16(LANES::Mul16(first, keep), LANES::Mul16(second, weight));
        return LANES::ShiftRight8(LANES::Add16(sum, LANES::Splat16(128)));
    }

    // Width pixels mixed by weights given as four equal bytes per pixel.
    static INT MixPixels(INT first, INT second, INT weights)
    {
        return LANES::Pack(MixChannels(LANES::Low(first), LANES::Low(second), LANES::Low(weights)),
                           MixChannels(LANES::High(first), LANES::High(second), LANES::High(weights)));
    }

    // The tinted texels (already multiplied) laid over the pixels, channels of half a block: the blend by the
    // tinted alpha, the pixel kept where that alpha is 0, opaque elsewhere.
    static INT BlendChannels(INT pixel, INT texel)
    {
        INT alpha = LANES::SpreadAlpha(texel);
        INT blended = DivideBy255(
            LANES::Add16(LANES::Mul16(texel, alpha), LANES::Mul16(pixel, LANES::Sub16(LANES::Splat16(255), alpha))));
        blended = LANES::Or(blended, LANES::AlphaLanes());
        return LANES::Select(LANES::Equal16(alpha, LANES::Zero()), pixel, blended);
    }

    static INT TintChannels(INT texel, INT tint)
    {
        return DivideBy255(LANES::Mul16(texel, tint));
    }

    // One block of the reference's Shade: texels multiplied by the tint's channels and laid over the pixels.
    static INT ShadeBlock(INT pixels, INT texels, INT tint, bool tinted)
    {
        INT low = LANES::Low(texels);
        INT high = LANES::High(texels);
        if (tinted) {
            low = TintChannels(low, tint);
            high = TintChannels(high, tint);
        }
        return LANES::Pack(BlendChannels(LANES::Low(pixels), low), BlendChannels(LANES::High(pixels), high));
    }

    static void Shade(std::uint32_t* pixels, const std::uint32_t* texels, int count, std::uint32_t colour)
    {
        const INT alphaBits = LANES::Splat32(0xff000000u);
        const INT tint = LANES::Low(LANES::Splat32(colour));
        const bool tinted = colour != 0xffffffffu;
        const bool opaqueTint = (colour >> 24) == 0xffu;
        int i = 0;
        for (; i + Width <= count; i += Width) {
            INT t = LANES::Load(texels + i);
            INT alpha = LANES::And(t, alphaBits);
            if (LANES::AllTrue(LANES::Equal32(alpha, LANES::Zero())))
                continue;  // every texel clear: the pixels stay
            if (opaqueTint && LANES::AllTrue(LANES::Equal32(alpha, alphaBits))) {
                // Every texel opaque under an opaque tint: no blend, the tinted texel is the pixel.
                if (tinted)
                    t = LANES::Or(LANES::Pack(TintChannels(LANES::Low(t), tint), TintChannels(LANES::High(t), tint)),
                                  alphaBits);
                LANES::Store(pixels + i, t);
                continue;
            }
            LANES::Store(pixels + i, ShadeBlock(LANES::Load(pixels + i), t, tint, tinted));
        }
        if (i < count) {
            std::uint32_t p[Width] = {};
            std::uint32_t t[Width] = {};
            std::memcpy(p, pixels + i, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
            std::memcpy(t, texels + i, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
            LANES::Store(p, ShadeBlock(LANES::Load(p), LANES::Load(t), tint, tinted));
            std::memcpy(pixels + i, p, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
        }
    }

    // A white texel times the colour is the colour, so every pixel takes the same blend.
    static void Fill(std::uint32_t* pixels, int count, std::uint32_t colour)
    {
        const std::uint32_t alpha = colour >> 24;
        if (alpha == 0u)
            return;
        if (alpha == 255u) {
            const INT solid = LANES::Splat32(colour);
            int i = 0;
            for (; i + Width <= count; i += Width)
                LANES::Store(pixels + i, solid);
            for (; i < count; ++i)
                pixels[i] = colour;
            return;
        }
        const INT weighted =
            LANES::Mul16(LANES::Low(LANES::Splat32(colour)), LANES::Splat16(static_cast<std::uint16_t>(alpha)));
        const INT keep = LANES::Splat16(static_cast<std::uint16_t>(255u - alpha));
        auto blend = [&](INT p) {
            INT low = DivideBy255(LANES::Add16(weighted, LANES::Mul16(LANES::Low(p), keep)));
            INT high = DivideBy255(LANES::Add16(weighted, LANES::Mul16(LANES::High(p), keep)));
            return LANES::Or(LANES::Pack(low, high), LANES::Splat32(0xff000000u));
        };
        int i = 0;
        for (; i + Width <= count; i += Width)
            LANES::Store(pixels + i, blend(LANES::Load(pixels + i)));
        if (i < count) {
            std::uint32_t p[Width] = {};
            std::memcpy(p, pixels + i, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
            LANES::Store(p, blend(LANES::Load(p)));
            std::memcpy(pixels + i, p, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
        }
    }

    static void MixColumns(std::uint32_t* out, const std::uint32_t* row, int readable, const COLUMNS& columns,
                           int count)
    {
        int i = 0;
        for (; i + Width <= count; i += Width) {
            INT left, right;
            if (!LANES::GatherNeighbours(row, readable, columns.Left + i, columns.Right + i, left, right)) {
                left = LANES::Gather(row, columns.Left + i);
                right = LANES::Gather(row, columns.Right + i);
            }
            LANES::Store(out + i, MixPixels(left, right, LANES::Load(columns.Weight + i)));
        }
        if (i < count) {
            // The missing lanes repeat the run's last column, so every index read is a real one.
            int l[Width], r[Width];
            std::uint32_t w[Width], o[Width];
            for (int j = 0; j < Width; ++j) {
                int k = i + j < count ? i + j : count - 1;
                l[j] = columns.Left[k];
                r[j] = columns.Right[k];
                w[j] = columns.Weight[k];
            }
            LANES::Store(o, MixPixels(LANES::Gather(row, l), LANES::Gather(row, r), LANES::Load(w)));
            std::memcpy(out + i, o, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
        }
    }

    static void MixRows(std::uint32_t* out, const std::uint32_t* upper, const std::uint32_t* lower,
                        std::uint32_t weight, int count)
    {
        const INT weights = LANES::Splat32(weight * 0x01010101u);
        int i = 0;
        for (; i + Width <= count; i += Width)
            LANES::Store(out + i, MixPixels(LANES::Load(upper + i), LANES::Load(lower + i), weights));
        if (i < count) {
            std::uint32_t u[Width] = {}, l[Width] = {}, o[Width];
            std::memcpy(u, upper + i, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
            std::memcpy(l, lower + i, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
            LANES::Store(o, MixPixels(LANES::Load(u), LANES::Load(l), weights));
            std::memcpy(out + i, o, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
        }
    }

    // The reference's FloorToInt: truncate, then one lower where truncation went up.
    static INT Floor(FLOAT value)
    {
        INT truncated = LANES::Truncate(value);
        return LANES::Add32(truncated, LANES::Less(value, LANES::ToFloat(truncated)));
    }

    static INT Clamp(INT value, INT low, INT high)
    {
        value = LANES::Select(LANES::Greater32(low, value), low, value);
        return LANES::Select(LANES::Greater32(value, high), high, value);
    }

    // The weight (0 to 255) as four equal bytes, to widen like a pixel.
    static INT SpreadWeight(INT weight)
    {
        INT two = LANES::Or(weight, LANES::ShiftLeft32(weight, 8));
        return LANES::Or(two, LANES::ShiftLeft32(two, 16));
    }

    // Each lane in the reference's order of operations: ((left + dx Ux) + dy Uy) - 0.5 and likewise down.
    static void SampleBlock(std::uint32_t* out, const TURNEDROW& row, int firstX)
    {
        const FLOAT half = LANES::SplatF(0.5f);
        FLOAT x = LANES::ToFloat(LANES::Add32(LANES::Splat32(static_cast<std::uint32_t>(firstX)), LANES::Iota()));
        FLOAT dx = LANES::SubF(LANES::AddF(x, half), LANES::SplatF(row.OriginX));
        FLOAT tx = LANES::SubF(
            LANES::AddF(LANES::AddF(LANES::SplatF(row.SourceLeft), LANES::MulF(dx, LANES::SplatF(row.Ux))),
                        LANES::SplatF(row.DyUy)),
            half);
        FLOAT ty = LANES::SubF(
            LANES::AddF(LANES::AddF(LANES::SplatF(row.SourceTop), LANES::MulF(dx, LANES::SplatF(row.Vx))),
                        LANES::SplatF(row.DyVy)),
            half);
        INT x0 = Floor(tx);
        INT y0 = Floor(ty);
        const FLOAT scale = LANES::SplatF(256.0f);
        INT wx = SpreadWeight(LANES::Truncate(LANES::MulF(LANES::SubF(tx, LANES::ToFloat(x0)), scale)));
        INT wy = SpreadWeight(LANES::Truncate(LANES::MulF(LANES::SubF(ty, LANES::ToFloat(y0)), scale)));
        const INT one = LANES::Splat32(1u);
        const INT lowX = LANES::Splat32(static_cast<std::uint32_t>(row.LowX));
        const INT highX = LANES::Splat32(static_cast<std::uint32_t>(row.HighX));
        const INT lowY = LANES::Splat32(static_cast<std::uint32_t>(row.LowY));
        const INT highY = LANES::Splat32(static_cast<std::uint32_t>(row.HighY));
        INT xa = Clamp(x0, lowX, highX);
        INT xb = Clamp(LANES::Add32(x0, one), lowX, highX);
        INT upper = LANES::Add32(LANES::MulLow32(Clamp(y0, lowY, highY), row.Stride), xa);
        INT lower = LANES::Add32(LANES::MulLow32(Clamp(LANES::Add32(y0, one), lowY, highY), row.Stride), xa);
        INT ul, ur, ll, lr;
        if (LANES::AllTrue(LANES::Greater32(LANES::Splat32(static_cast<std::uint32_t>(row.Count - 1)), lower))) {
            // Each texel with its right neighbour in one read; where the columns were clamped together the
            // neighbour is the texel itself.
            LANES::GatherPairs(row.Texels, upper, ul, ur);
            LANES::GatherPairs(row.Texels, lower, ll, lr);
            INT same = LANES::Equal32(xa, xb);
            ur = LANES::Select(same, ul, ur);
            lr = LANES::Select(same, ll, lr);
        } else {
            INT step = LANES::Sub32(xb, xa);
            ul = LANES::GatherAt(row.Texels, upper);
            ur = LANES::GatherAt(row.Texels, LANES::Add32(upper, step));
            ll = LANES::GatherAt(row.Texels, lower);
            lr = LANES::GatherAt(row.Texels, LANES::Add32(lower, step));
        }
        INT seen = LANES::And(LANES::Or(LANES::Or(ul, ur), LANES::Or(ll, lr)), LANES::Splat32(0xff000000u));
        if (LANES::AllTrue(LANES::Equal32(seen, LANES::Zero()))) {
            // Four clear texels mix to a clear one, which the shading passes over.
            LANES::Store(out, LANES::Zero());
            return;
        }
        LANES::Store(out, MixPixels(MixPixels(ul, ur, wx), MixPixels(ll, lr, wx), wy));
    }

    static void SampleTurned(std::uint32_t* out, const TURNEDROW& row, int count)
    {
        int i = 0;
        for (; i + Width <= count; i += Width)
            SampleBlock(out + i, row, row.FirstX + i);
        if (i < count) {
            std::uint32_t o[Width];
            SampleBlock(o, row, row.FirstX + i);
            std::memcpy(out + i, o, sizeof(std::uint32_t) * static_cast<unsigned>(count - i));
        }
    }

    static const SPANKERNELS& Table()
    {
        static const SPANKERNELS table{Shade, Fill, MixColumns, MixRows, SampleTurned};
        return table;
    }
};

}  // namespace
