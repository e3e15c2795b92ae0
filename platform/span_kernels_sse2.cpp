// The span kernels on SSE2, which every x86-64 processor has: four pixels a block.
#include <emmintrin.h>

#include "platform/span_kernels_body.h"

namespace {

struct SSE2LANES {
    using INT = __m128i;
    using FLOAT = __m128;
    static constexpr int Pixels = 4;

    static INT Load(const std::uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
    static void Store(std::uint32_t* p, INT v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
    static INT Zero() { return _mm_setzero_si128(); }
    static INT Splat32(std::uint32_t v) { return _mm_set1_epi32(static_cast<int>(v)); }
    static INT Splat16(std::uint16_t v) { return _mm_set1_epi16(static_cast<short>(v)); }
    static INT Iota() { return _mm_setr_epi32(0, 1, 2, 3); }
    static INT Gather(const std::uint32_t* base, const int* index)  // lane i from base[index[i]]
    {
        return _mm_setr_epi32(static_cast<int>(base[index[0]]), static_cast<int>(base[index[1]]),
                              static_cast<int>(base[index[2]]), static_cast<int>(base[index[3]]));
    }
    // SSE2 has no lane permute, so texels are always gathered one by one.
    static bool GatherNeighbours(const std::uint32_t*, int, const int*, const int*, INT&, INT&) { return false; }
    static INT Sub32(INT a, INT b) { return _mm_sub_epi32(a, b); }
    // SSE2 multiplies 32-bit lanes only two at a time, the even ones, into 64 bits.
    static INT MulLow32(INT a, int b)
    {
        const INT factor = _mm_set1_epi32(b);
        INT even = _mm_mul_epu32(a, factor);
        INT odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), factor);
        return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, 0x08), _mm_shuffle_epi32(odd, 0x08));
    }
    static INT GatherAt(const std::uint32_t* base, INT index)
    {
        alignas(16) int i[Pixels];
        _mm_store_si128(reinterpret_cast<__m128i*>(i), index);
        return Gather(base, i);
    }
    // Lane i's texel and its right neighbour, from one 64-bit read each.
    static void GatherPairs(const std::uint32_t* base, INT index, INT& first, INT& second)
    {
        alignas(16) int i[Pixels];
        _mm_store_si128(reinterpret_cast<__m128i*>(i), index);
        auto pair = [base](int at) { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(base + at)); };
        __m128 low = _mm_castsi128_ps(_mm_unpacklo_epi64(pair(i[0]), pair(i[1])));
        __m128 high = _mm_castsi128_ps(_mm_unpacklo_epi64(pair(i[2]), pair(i[3])));
        first = _mm_castps_si128(_mm_shuffle_ps(low, high, 0x88));
        second = _mm_castps_si128(_mm_shuffle_ps(low, high, 0xdd));
    }
    static INT Low(INT v) { return _mm_unpacklo_epi8(v, _mm_setzero_si128()); }   // channels of pixels 0 and 1
    static INT High(INT v) { return _mm_unpackhi_epi8(v, _mm_setzero_si128()); }  // channels of pixels 2 and 3
    static INT Pack(INT low, INT high) { return _mm_packus_epi16(low, high); }
    static INT Add16(INT a, INT b) { return _mm_add_epi16(a, b); }
    static INT Sub16(INT a, INT b) { return _mm_sub_epi16(a, b); }
    static INT Mul16(INT a, INT b) { return _mm_mullo_epi16(a, b); }
    static INT MulHigh16(INT a, INT b) { return _mm_mulhi_epu16(a, b); }
    static INT ShiftRight8(INT a) { return _mm_srli_epi16(a, 8); }
    static INT ShiftLeft32(INT a, int bits) { return _mm_sll_epi32(a, _mm_cvtsi32_si128(bits)); }
    static INT Add32(INT a, INT b) { return _mm_add_epi32(a, b); }
    static INT Or(INT a, INT b) { return _mm_or_si128(a, b); }
    static INT And(INT a, INT b) { return _mm_and_si128(a, b); }
    static INT Equal16(INT a, INT b) { return _mm_cmpeq_epi16(a, b); }
    static INT Equal32(INT a, INT b) { return _mm_cmpeq_epi32(a, b); }
    static INT Greater32(INT a, INT b) { return _mm_cmpgt_epi32(a, b); }
    static INT Select(INT mask, INT yes, INT no)
    {
        return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
    }
    static bool AllTrue(INT mask) { return _mm_movemask_epi8(mask) == 0xffff; }
    static INT SpreadAlpha(INT c) { return _mm_shufflehi_epi16(_mm_shufflelo_epi16(c, 0xff), 0xff); }
    static INT AlphaLanes() { return _mm_set1_epi64x(0x00ff000000000000); }
    static FLOAT SplatF(float v) { return _mm_set1_ps(v); }
    static FLOAT AddF(FLOAT a, FLOAT b) { return _mm_add_ps(a, b); }
    static FLOAT SubF(FLOAT a, FLOAT b) { return _mm_sub_ps(a, b); }
    static FLOAT MulF(FLOAT a, FLOAT b) { return _mm_mul_ps(a, b); }
    static FLOAT ToFloat(INT v) { return _mm_cvtepi32_ps(v); }
    static INT Truncate(FLOAT v) { return _mm_cvttps_epi32(v); }
    static INT Less(FLOAT a, FLOAT b) { return _mm_castps_si128(_mm_cmplt_ps(a, b)); }
};

}  // namespace

const SPANKERNELS& Sse2Kernels()
{
    return KERNELS<SSE2LANES>::Table();
}
