// The span kernels on AVX2, eight pixels a block; built for AVX2 alone and used only where the processor has it.
#include <immintrin.h>

#include "platform/span_kernels_body.h"

namespace {

// The 8-bit unpacks and the pack work within each 128-bit half, so Low holds pixels 0, 1, 4 and 5 and High
// pixels 2, 3, 6 and 7, and Pack puts them back in order.
struct AVX2LANES {
    using INT = __m256i;
    using FLOAT = __m256;
    static constexpr int Pixels = 8;

    static INT Load(const std::uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
    static void Store(std::uint32_t* p, INT v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }
    static INT Zero() { return _mm256_setzero_si256(); }
    static INT Splat32(std::uint32_t v) { return _mm256_set1_epi32(static_cast<int>(v)); }
    static INT Splat16(std::uint16_t v) { return _mm256_set1_epi16(static_cast<short>(v)); }
    static INT Iota() { return _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7); }
    static INT Gather(const std::uint32_t* base, const int* index)  // lane i from base[index[i]]
    {
        return _mm256_setr_epi32(static_cast<int>(base[index[0]]), static_cast<int>(base[index[1]]),
                                 static_cast<int>(base[index[2]]), static_cast<int>(base[index[3]]),
                                 static_cast<int>(base[index[4]]), static_cast<int>(base[index[5]]),
                                 static_cast<int>(base[index[6]]), static_cast<int>(base[index[7]]));
    }
    // An enlarged picture's block of columns reads at most eight neighbouring texels, each right one the left
    // one's neighbour: two loads permuted instead of sixteen loads. False, with nothing read, otherwise.
    static bool GatherNeighbours(const std::uint32_t* row, int readable, const int* left, const int* right,
                                 INT& first, INT& second)
    {
        const int base = left[0] < left[7] ? left[0] : left[7];
        if (base + Pixels + 1 > readable)
            return false;
        const INT lefts = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(left));
        const INT rights = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(right));
        const INT offsets = _mm256_sub_epi32(lefts, _mm256_set1_epi32(base));
        const INT near = _mm256_and_si256(_mm256_cmpgt_epi32(_mm256_set1_epi32(Pixels), offsets),
                                          _mm256_cmpgt_epi32(offsets, _mm256_set1_epi32(-1)));
        const INT neighbours = _mm256_cmpeq_epi32(rights, _mm256_add_epi32(lefts, _mm256_set1_epi32(1)));
        if (!AllTrue(_mm256_and_si256(near, neighbours)))
            return false;
        first = _mm256_permutevar8x32_epi32(Load(row + base), offsets);
        second = _mm256_permutevar8x32_epi32(Load(row + base + 1), offsets);
        return true;
    }
    static INT Sub32(INT a, INT b) { return _mm256_sub_epi32(a, b); }
    static INT MulLow32(INT a, int b) { return _mm256_mullo_epi32(a, _mm256_set1_epi32(b)); }
    static INT GatherAt(const std::uint32_t* base, INT index)
    {
        alignas(32) int i[Pixels];
        _mm256_store_si256(reinterpret_cast<__m256i*>(i), index);
        return Gather(base, i);
    }
    // Lane i's texel and its right neighbour, from one 64-bit read each; the reads are laid so that the in-half
    // shuffles part them into lane order.
    static void GatherPairs(const std::uint32_t* base, INT index, INT& first, INT& second)
    {
        alignas(32) int i[Pixels];
        _mm256_store_si256(reinterpret_cast<__m256i*>(i), index);
        auto pair = [base](int at) {
            long long both;
            std::memcpy(&both, base + at, sizeof(both));
            return both;
        };
        __m256 low = _mm256_castsi256_ps(_mm256_setr_epi64x(pair(i[0]), pair(i[1]), pair(i[4]), pair(i[5])));
        __m256 high = _mm256_castsi256_ps(_mm256_setr_epi64x(pair(i[2]), pair(i[3]), pair(i[6]), pair(i[7])));
        first = _mm256_castps_si256(_mm256_shuffle_ps(low, high, 0x88));
        second = _mm256_castps_si256(_mm256_shuffle_ps(low, high, 0xdd));
    }
    static INT Low(INT v) { return _mm256_unpacklo_epi8(v, _mm256_setzero_si256()); }
    static INT High(INT v) { return _mm256_unpackhi_epi8(v, _mm256_setzero_si256()); }
    static INT Pack(INT low, INT high) { return _mm256_packus_epi16(low, high); }
    static INT Add16(INT a, INT b) { return _mm256_add_epi16(a, b); }
    static INT Sub16(INT a, INT b) { return _mm256_sub_epi16(a, b); }
    static INT Mul16(INT a, INT b) { return _mm256_mullo_epi16(a, b); }
    static INT MulHigh16(INT a, INT b) { return _mm256_mulhi_epu16(a, b); }
    static INT ShiftRight8(INT a) { return _mm256_srli_epi16(a, 8); }
    static INT ShiftLeft32(INT a, int bits) { return _mm256_sll_epi32(a, _mm_cvtsi32_si128(bits)); }
    static INT Add32(INT a, INT b) { return _mm256_add_epi32(a, b); }
    static INT Or(INT a, INT b) { return _mm256_or_si256(a, b); }
    static INT And(INT a, INT b) { return _mm256_and_si256(a, b); }
    static INT Equal16(INT a, INT b) { return _mm256_cmpeq_epi16(a, b); }
    static INT Equal32(INT a, INT b) { return _mm256_cmpeq_epi32(a, b); }
    static INT Greater32(INT a, INT b) { return _mm256_cmpgt_epi32(a, b); }
    static INT Select(INT mask, INT yes, INT no) { return _mm256_blendv_epi8(no, yes, mask); }
    static bool AllTrue(INT mask) { return _mm256_movemask_epi8(mask) == -1; }
    static INT SpreadAlpha(INT c) { return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(c, 0xff), 0xff); }
    static INT AlphaLanes() { return _mm256_set1_epi64x(0x00ff000000000000); }
    static FLOAT SplatF(float v) { return _mm256_set1_ps(v); }
    static FLOAT AddF(FLOAT a, FLOAT b) { return _mm256_add_ps(a, b); }
    static FLOAT SubF(FLOAT a, FLOAT b) { return _mm256_sub_ps(a, b); }
    static FLOAT MulF(FLOAT a, FLOAT b) { return _mm256_mul_ps(a, b); }
    static FLOAT ToFloat(INT v) { return _mm256_cvtepi32_ps(v); }
    static INT Truncate(FLOAT v) { return _mm256_cvttps_epi32(v); }
    static INT Less(FLOAT a, FLOAT b) { return _mm256_castps_si256(_mm256_cmp_ps(a, b, _CMP_LT_OS)); }
};

}  // namespace

const SPANKERNELS& Avx2Kernels()
{
    return KERNELS<AVX2LANES>::Table();
}
