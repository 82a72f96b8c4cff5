// The vector way for processors with AVX-512 VBMI: 64 sets a vector, a list's classes
// looked up for 64 numbers in one byte permutation. Built with those instructions; run
// only where the processor has them.
#include <immintrin.h>

#include "counting/group_counting_kernel.hpp"

namespace {

struct Avx512Ways {
    using Vector = std::uint8_t __attribute__((vector_size(64)));
    using Lookup = __m512i;
    static Lookup prepare(const ClassTable& table, const SetGroup& /*group*/)
    {
        return _mm512_load_si512(table.class_of);
    }
    static Vector classes(Lookup table, int /*place*/, Vector numbers)
    {
        return reinterpret_cast<Vector>(
            _mm512_permutexvar_epi8(reinterpret_cast<__m512i>(numbers), table));
    }
    struct Counter;
    static std::int32_t sum_of_bytes(Vector bytes)
    {
        const __m512i sums =
            _mm512_sad_epu8(reinterpret_cast<__m512i>(bytes), _mm512_setzero_si512());
        return static_cast<std::int32_t>(_mm512_reduce_add_epi64(sums));
    }
};

// Sixteen vectors of class sums at a time: each turned into three vectors with one bit per
// sum (class sums 0-7, 8-15, 16-18, looked up as sums 6-13, 14-21, 22-24), which carry-save adders
// (three-input XOR and majority, one instruction each) sum bit-sliced, so a bit of `sixteens`
// counts sixteen. Sixteens are counted per sum in byte counters, ones to eights at the end by
// popcount of bit masks.
struct Avx512Ways::Counter {
    static constexpr int BLOCK = 16;
    static constexpr int PARTS = 3;
    __m512i pending[BLOCK] = {};
    int pending_count = 0;
    // Per part: bit-sliced ones, twos, fours, eights; sixteens per sum in bytes.
    __m512i sliced[PARTS][4] = {};
    __m512i sixteens[CLASS_SUMS] = {};

    static __m512i sum_of(__m512i a, __m512i b, __m512i c)
    {
        return _mm512_ternarylogic_epi32(a, b, c, 0x96);
    }
    static __m512i carry_of(__m512i a, __m512i b, __m512i c)
    {
        return _mm512_ternarylogic_epi32(a, b, c, 0xE8);
    }
    // Adds two one-bit vectors into `low`, returning the carry.
    static __m512i add_pair(__m512i& low, __m512i a, __m512i b)
    {
        const __m512i carry = carry_of(low, a, b);
        low = sum_of(low, a, b);
        return carry;
    }

    // The bit of class sum k for each lane of `sums`, in part k / 8.
    static __m512i one_hot(__m512i sums, int part)
    {
        alignas(64) static const std::uint8_t bits[PARTS][64] = {
            {0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 32, 64, 128},
            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 32, 64, 128},
            {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4},
        };
        return _mm512_permutexvar_epi8(sums, _mm512_load_si512(bits[part]));
    }

    void add(Vector sum)
    {
        pending[pending_count++] = reinterpret_cast<__m512i>(sum);
        if (pending_count < BLOCK) {
            return;
        }
        pending_count = 0;
        for (int part = 0; part < PARTS; ++part) {
            __m512i x[BLOCK];
            for (int i = 0; i < BLOCK; ++i) {
                x[i] = one_hot(pending[i], part);
            }
            __m512i& ones = sliced[part][0];
            __m512i& twos = sliced[part][1];
            __m512i& fours = sliced[part][2];
            __m512i& eights = sliced[part][3];
            __m512i eights_carry[2];
            for (int half = 0; half < 2; ++half) {
                __m512i fours_carry[2];
                for (int quarter = 0; quarter < 2; ++quarter) {
                    const __m512i* in = x + std::ptrdiff_t{8} * half + std::ptrdiff_t{4} * quarter;
                    const __m512i twos_a = add_pair(ones, in[0], in[1]);
                    const __m512i twos_b = add_pair(ones, in[2], in[3]);
                    fours_carry[quarter] = add_pair(twos, twos_a, twos_b);
                }
                eights_carry[half] = add_pair(fours, fours_carry[0], fours_carry[1]);
            }
            const __m512i sixteen = add_pair(eights, eights_carry[0], eights_carry[1]);
            const int sums_here = part < 2 ? 8 : CLASS_SUMS - 16;
            for (int bit = 0; bit < sums_here; ++bit) {
                const __mmask64 set =
                    _mm512_test_epi8_mask(sixteen, _mm512_set1_epi8(static_cast<char>(1 << bit)));
                __m512i& counter = sixteens[8 * part + bit];
                counter = _mm512_mask_add_epi8(counter, set, counter, _mm512_set1_epi8(1));
            }
        }
    }

    void finish(std::int32_t* slots) const
    {
        for (int k = 0; k < CLASS_SUMS; ++k) {
            const int part = k / 8;
            const __m512i bit = _mm512_set1_epi8(static_cast<char>(1 << (k % 8)));
            std::int32_t count = 16 * sum_of_bytes(reinterpret_cast<Vector>(sixteens[k]));
            for (int weight = 0; weight < 4; ++weight) {
                count += (1 << weight) *
                         __builtin_popcountll(_mm512_test_epi8_mask(sliced[part][weight], bit));
            }
            for (int i = 0; i < pending_count; ++i) {
                count += __builtin_popcountll(_mm512_cmpeq_epi8_mask(
                    pending[i], _mm512_set1_epi8(static_cast<char>(k + CLASS_SUM_OFFSET))));
            }
            slots[std::ptrdiff_t{5} * k] += count;
        }
    }
};

} // namespace

void count_groups_avx512(const std::uint8_t* const planes[NUMBERS_PER_SET], const GroupPiece& piece,
                         const ClassTable* tables, int list_count, GroupCounts* counts)
{
    count_groups_with<Avx512Ways>(planes, piece, tables, list_count, counts);
}
