// The vector way for processors with AVX2: 32 sets a vector, a place's classes looked up
// in the 16-byte table of its part by one byte shuffle, which gives 0 for padding (top bit
// set). Built with AVX2; run only where the processor has it.
#include <immintrin.h>

#include "counting/group_counting_kernel.hpp"

namespace {

struct Avx2Ways {
    using Vector = std::uint8_t __attribute__((vector_size(32)));
    struct Lookup {
        __m256i place[NUMBERS_PER_SET];
    };
    static Lookup prepare(const ClassTable& table, const SetGroup& group)
    {
        Lookup lookup{};
        for (int place = 0; place < NUMBERS_PER_SET; ++place) {
            lookup.place[place] =
                _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(
                    table.class_of + std::size_t{16} * group.part_of[place])));
        }
        return lookup;
    }
    static Vector classes(const Lookup& lookup, int place, Vector numbers)
    {
        return reinterpret_cast<Vector>(
            _mm256_shuffle_epi8(lookup.place[place], reinterpret_cast<__m256i>(numbers)));
    }
    struct Counter;
};

// AVX2 has 16 vector registers, too few for a byte counter per class sum, so the sums are
// counted bit-sliced: sixteen vectors at a time, each turned into three vectors with one
// bit per class sum (0-7, 8-15, 16-18), which carry-save adders sum into bit planes of
// ones to eights; each sixteen carried out ripples into the planes of 16 to 128. A counter
// takes at most MOST_VECTORS_PER_COUNT vectors, so eight planes hold every count.
struct Avx2Ways::Counter {
    static constexpr int BLOCK = 16;
    static constexpr int PARTS = 3;
    static constexpr int PLANES = 8;
    __m256i pending[BLOCK] = {};
    int pending_count = 0;
    __m256i planes[PARTS][PLANES] = {};

    // The bit of each lane's class sum in `part`, 0 where its sum is in another part. A
    // shuffle gives 0 for an index with the top bit set: the first part's index is the
    // looked-up sum itself (6-13) with that bit set from 16 up, the others' the looked-up sum
    // less their first (below it, negative).
    static __m256i one_hot(__m256i sums, int part)
    {
        alignas(16) static const std::uint8_t bits[PARTS][16] = {
            {0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 32, 64, 128},
            {1, 2, 4, 8, 16, 32, 64, 128},
            {1, 2, 4},
        };
        const __m256i table = _mm256_broadcastsi128_si256(
            _mm_load_si128(reinterpret_cast<const __m128i*>(bits[part])));
        const __m256i index =
            part == 0 ? _mm256_adds_epu8(sums, _mm256_set1_epi8(0x70))
                      : _mm256_sub_epi8(
                            sums, _mm256_set1_epi8(static_cast<char>(CLASS_SUM_OFFSET + 8 * part)));
        return _mm256_shuffle_epi8(table, index);
    }

    // Adds a and b into `low`, returning the carry.
    static __m256i add_pair(__m256i& low, __m256i a, __m256i b)
    {
        const __m256i low_a = _mm256_xor_si256(low, a);
        const __m256i carry = _mm256_or_si256(_mm256_and_si256(low, a), _mm256_and_si256(low_a, b));
        low = _mm256_xor_si256(low_a, b);
        return carry;
    }

    void add(Vector sum)
    {
        pending[pending_count++] = reinterpret_cast<__m256i>(sum);
        if (pending_count < BLOCK) {
            return;
        }
        pending_count = 0;
        // Class sums of 16 and more are rare: their part is added only for a block that has one.
        __m256i highest = pending[0];
        for (int i = 1; i < BLOCK; ++i) {
            highest = _mm256_max_epu8(highest, pending[i]);
        }
        const __m256i rare =
            _mm256_cmpgt_epi8(highest, _mm256_set1_epi8(static_cast<char>(CLASS_SUM_OFFSET + 15)));
        const int parts = _mm256_movemask_epi8(rare) != 0 ? PARTS : PARTS - 1;
        for (int part = 0; part < parts; ++part) {
            __m256i* plane = planes[part];
            __m256i eights_carry[2];
            for (int half = 0; half < 2; ++half) {
                __m256i fours_carry[2];
                for (int quarter = 0; quarter < 2; ++quarter) {
                    const __m256i* in =
                        pending + std::ptrdiff_t{8} * half + std::ptrdiff_t{4} * quarter;
                    const __m256i twos_a =
                        add_pair(plane[0], one_hot(in[0], part), one_hot(in[1], part));
                    const __m256i twos_b =
                        add_pair(plane[0], one_hot(in[2], part), one_hot(in[3], part));
                    fours_carry[quarter] = add_pair(plane[1], twos_a, twos_b);
                }
                eights_carry[half] = add_pair(plane[2], fours_carry[0], fours_carry[1]);
            }
            __m256i carry = add_pair(plane[3], eights_carry[0], eights_carry[1]);
            for (int weight = 4; weight < PLANES; ++weight) {
                const __m256i next = _mm256_and_si256(plane[weight], carry);
                plane[weight] = _mm256_xor_si256(plane[weight], carry);
                carry = next;
            }
        }
    }

    // How many lanes of `bytes` have bit `bit` set: moved to each byte's top bit.
    static int lanes_with_bit(__m256i bytes, int bit)
    {
        const __m256i top = _mm256_sll_epi16(bytes, _mm_cvtsi32_si128(7 - bit));
        return __builtin_popcount(static_cast<unsigned>(_mm256_movemask_epi8(top)));
    }

    // Adds the counts to slots[5 * k], the totals of class sum k.
    void finish(std::int32_t* slots) const
    {
        for (int k = 0; k < CLASS_SUMS; ++k) {
            std::int32_t count = 0;
            for (int weight = 0; weight < PLANES; ++weight) {
                count += lanes_with_bit(planes[k / 8][weight], k % 8) << weight;
            }
            const __m256i sum = _mm256_set1_epi8(static_cast<char>(k + CLASS_SUM_OFFSET));
            for (int i = 0; i < pending_count; ++i) {
                count += __builtin_popcount(static_cast<unsigned>(
                    _mm256_movemask_epi8(_mm256_cmpeq_epi8(pending[i], sum))));
            }
            slots[std::ptrdiff_t{5} * k] += count;
        }
    }
};

} // namespace

void count_groups_avx2(const std::uint8_t* const planes[NUMBERS_PER_SET], const GroupPiece& piece,
                       const ClassTable* tables, int list_count, GroupCounts* counts)
{
    count_groups_with<Avx2Ways>(planes, piece, tables, list_count, counts);
}
