// Which ways of counting this build and this processor have, and which is used.
#include "counting/parallel_runs.hpp"
#include "counting/total_counting.hpp"

bool counting_path_available(CountingPath path)
{
    switch (path) {
    case CountingPath::Plain:
        return true;
#if LOTTO_X86_VECTORS
    case CountingPath::Avx2:
        return __builtin_cpu_supports("avx2");
    case CountingPath::Avx512:
        return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi");
#endif
#if LOTTO_SIMD128
    case CountingPath::Simd128:
        return true;
#endif
    default:
        return false;
    }
}

CountingPath fastest_counting_path()
{
    for (CountingPath path : {CountingPath::Avx512, CountingPath::Avx2, CountingPath::Simd128}) {
        if (counting_path_available(path)) {
            return path;
        }
    }
    return CountingPath::Plain;
}

const char* counting_path_name(CountingPath path)
{
    switch (path) {
    case CountingPath::Avx2:
        return "AVX2";
    case CountingPath::Avx512:
        return "AVX-512";
    case CountingPath::Simd128:
        return "WebAssembly SIMD";
    case CountingPath::Plain:
        break;
    }
    return "plain";
}

CountingOptions default_counting_options()
{
    return CountingOptions{fastest_counting_path(), machine_workers()};
}
