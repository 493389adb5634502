// Compiled with AVX-512 enabled; only run where the processor has it. The kernel is a constant, so
// nothing here runs at start-up.

// g++ 12 sees its own AVX-512 intrinsics' deliberately undefined inputs as uninitialised.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "core/mt19937_avx2_lanes.h"

#include <immintrin.h>

namespace omaha::mt19937 {
namespace {

typedef std::uint32_t U32x16 __attribute__((vector_size(64)));
typedef std::uint64_t U64x8 __attribute__((vector_size(64)));

template <>
struct Lanes<U32x16> {
    using Pairs = U64x8;

    static Pairs multiplyLowHalves(Pairs a, Pairs b) {
        return __builtin_bit_cast(Pairs, _mm512_mul_epu32(__builtin_bit_cast(__m512i, a),
                                                          __builtin_bit_cast(__m512i, b)));
    }

    static void storeBytes(std::uint8_t* out, U32x16 small) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm512_cvtepi32_epi8(__builtin_bit_cast(__m512i, small)));
    }
};

} // namespace

constinit const BlockKernel kAvx512Kernel = kernelOf<U32x16, U32x8, U32x4>();

} // namespace omaha::mt19937
