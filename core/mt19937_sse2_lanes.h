#pragma once

// Four words at a time with SSE2, which every x86-64 has. The wider kernels use these lanes too,
// for what is left over after their own.

#include "core/mt19937_lanes.h"

#include <emmintrin.h>

namespace omaha::mt19937 {
namespace {

typedef std::uint32_t U32x4 __attribute__((vector_size(16)));
typedef std::uint64_t U64x2 __attribute__((vector_size(16)));

template <>
struct Lanes<U32x4> {
    using Pairs = U64x2;

    static Pairs multiplyLowHalves(Pairs a, Pairs b) {
        return __builtin_bit_cast(
            Pairs, _mm_mul_epu32(__builtin_bit_cast(__m128i, a), __builtin_bit_cast(__m128i, b)));
    }

    static void storeBytes(std::uint8_t* out, U32x4 small) {
        const __m128i words = __builtin_bit_cast(__m128i, small);
        const __m128i shorts = _mm_packs_epi32(words, words);
        const int bytes = _mm_cvtsi128_si32(_mm_packus_epi16(shorts, shorts));
        std::memcpy(out, &bytes, sizeof bytes);
    }
};

} // namespace
} // namespace omaha::mt19937
