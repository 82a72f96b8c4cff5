// The vector way for processors with AVX2: 32 sets a vector, a place's classes looked up
// in the 16-byte table of its part by one byte shuffle, which gives 0 for padding (top bit
// set). Built with AVX2; run only where the
// processor has it.
#include <immintrin.h>

#include "statistics/group_counting_kernel.hpp"

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
    using Counter = CompareCounter<Avx2Ways>;
    static std::int32_t sum_of_bytes(Vector bytes)
    {
        const __m256i sums =
            _mm256_sad_epu8(reinterpret_cast<__m256i>(bytes), _mm256_setzero_si256());
        return static_cast<std::int32_t>(
            _mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1) +
            _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3));
    }
};

} // namespace

void count_groups_avx2(const std::uint8_t* const planes[NUMBERS_PER_SET], const GroupPiece& piece,
                       const ClassTable* tables, int list_count, GroupCounts* counts)
{
    count_groups_with<Avx2Ways>(planes, piece, tables, list_count, counts);
}
