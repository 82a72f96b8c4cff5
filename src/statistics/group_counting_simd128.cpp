// The vector way for WebAssembly SIMD: 16 sets a vector, a list's classes looked up in
// three 16-byte tables with swizzle, which gives zero for an index past its table.
#include <wasm_simd128.h>

#include "statistics/group_counting_kernel.hpp"

namespace {

struct Simd128Ways {
    using Vector = std::uint8_t __attribute__((vector_size(16)));
    struct Lookup {
        v128_t part[3];
    };
    static Lookup prepare(const ClassTable& table)
    {
        Lookup lookup{};
        for (int part = 0; part < 3; ++part) {
            lookup.part[part] = wasm_v128_load(table.class_of + std::size_t{16} * part);
        }
        return lookup;
    }
    static Vector classes(const Lookup& lookup, Vector numbers)
    {
        // n - 16 * part wraps past 15 for every number outside the part.
        const v128_t n = reinterpret_cast<v128_t>(numbers);
        v128_t found = wasm_i8x16_swizzle(lookup.part[0], n);
        found = wasm_v128_or(
            found, wasm_i8x16_swizzle(lookup.part[1], wasm_i8x16_sub(n, wasm_i8x16_splat(16))));
        found = wasm_v128_or(
            found, wasm_i8x16_swizzle(lookup.part[2], wasm_i8x16_sub(n, wasm_i8x16_splat(32))));
        return reinterpret_cast<Vector>(found);
    }
    using Counter = CompareCounter<Simd128Ways>;
    static std::int32_t sum_of_bytes(Vector bytes)
    {
        const v128_t pairs = wasm_u16x8_extadd_pairwise_u8x16(reinterpret_cast<v128_t>(bytes));
        const v128_t quads = wasm_u32x4_extadd_pairwise_u16x8(pairs);
        return static_cast<std::int32_t>(
            wasm_i32x4_extract_lane(quads, 0) + wasm_i32x4_extract_lane(quads, 1) +
            wasm_i32x4_extract_lane(quads, 2) + wasm_i32x4_extract_lane(quads, 3));
    }
};

} // namespace

void count_groups_simd128(const std::uint8_t* const planes[NUMBERS_PER_SET], const SetGroup& group,
                          int first, int count, const ClassTable* tables, int list_count,
                          GroupCounts* counts)
{
    count_groups_with<Simd128Ways>(planes, group, first, count, tables, list_count, counts);
}
