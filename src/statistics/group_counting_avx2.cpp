// The vector way for processors with AVX2: 32 sets a vector, a list's classes looked up in
// three 16-byte tables (numbers 0-15, 16-31, 32-47), each lookup giving zero outside its
// own. Built with AVX2; run only where the processor has it.
#include <immintrin.h>

#include "statistics/group_counting_kernel.hpp"

namespace {

struct Avx2Ways {
    using Vector = std::uint8_t __attribute__((vector_size(32)));
    struct Lookup {
        __m256i part[3];
    };
    static Lookup prepare(const ClassTable& table)
    {
        Lookup lookup{};
        for (int part = 0; part < 3; ++part) {
            lookup.part[part] = _mm256_broadcastsi128_si256(_mm_load_si128(
                reinterpret_cast<const __m128i*>(table.class_of + std::size_t{16} * part)));
        }
        return lookup;
    }
    static Vector classes(const Lookup& lookup, Vector numbers)
    {
        // n ^ 16 * part is 0-15 for the part's own numbers; adding 112 keeps those below
        // 128 and turns every other into an index with its top bit set, which looks up 0.
        const __m256i n = reinterpret_cast<__m256i>(numbers);
        const __m256i shift = _mm256_set1_epi8(112);
        __m256i found = _mm256_setzero_si256();
        for (int part = 0; part < 3; ++part) {
            const __m256i index = _mm256_adds_epu8(
                _mm256_xor_si256(n, _mm256_set1_epi8(static_cast<char>(16 * part))), shift);
            found = _mm256_or_si256(found, _mm256_shuffle_epi8(lookup.part[part], index));
        }
        return reinterpret_cast<Vector>(found);
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

void count_groups_avx2(const std::uint8_t* const planes[NUMBERS_PER_SET], const SetGroup& group,
                       int first, int count, const ClassTable* tables, int list_count,
                       GroupCounts* counts)
{
    count_groups_with<Avx2Ways>(planes, group, first, count, tables, list_count, counts);
}
