#pragma once

// Eight words at a time with AVX2: only for kernel files compiled with AVX2 enabled.

#include "core/mt19937_sse2_lanes.h"

#include <immintrin.h>

namespace omaha::mt19937 {
namespace {

typedef std::uint32_t U32x8 __attribute__((vector_size(32)));
typedef std::uint64_t U64x4 __attribute__((vector_size(32)));

template <>
struct Lanes<U32x8> {
    using Pairs = U64x4;

    static Pairs multiplyLowHalves(Pairs a, Pairs b) {
        return __builtin_bit_cast(Pairs, _mm256_mul_epu32(__builtin_bit_cast(__m256i, a),
                                                          __builtin_bit_cast(__m256i, b)));
    }

    static void storeBytes(std::uint8_t* out, U32x8 small) {
        const __m256i words = __builtin_bit_cast(__m256i, small);
        const __m128i shorts =
            _mm_packs_epi32(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(shorts, shorts));
    }
};

} // namespace
} // namespace omaha::mt19937
