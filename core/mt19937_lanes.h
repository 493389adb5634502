#pragma once

// The twister's block written once for any lane width: `std::uint32_t` for one word at a time, or
// a vector of words (GNU vector extensions, whose operators act lane by lane), which each kernel
// file compiles for its own instruction set. Lanes<V> gives what plain operators cannot: a
// multiply to 64-bit products and the narrowing to bytes.
//
// Everything here has internal linkage, so that code compiled for a wide instruction set in one
// kernel file is never what the linker keeps for another.

#include "core/mt19937_block.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace omaha::mt19937 {
namespace {

constexpr std::uint32_t kUpperBit = 0x80000000u;
constexpr std::uint32_t kLowerBits = 0x7fffffffu;
constexpr std::uint32_t kTwistMatrix = 0x9908b0dfu;

// x / 52 is (x * kMagic52) >> 36 for every x below 2^32. kMagic52 is 2^36 / 52 rounded up, by
// kMagicExcess / 52, so x * kMagic52 / 2^36 exceeds x / 52 by x * kMagicExcess / (52 * 2^36); while
// x * kMagicExcess < 2^36 that stays below the 1/52 by which x / 52 at least falls short of the
// next whole number, and the quotient is exact.
constexpr std::uint64_t kMagic52 = 0x4EC4EC4F;
constexpr std::uint64_t kMagicExcess = kMagic52 * 52 - (std::uint64_t{1} << 36);
static_assert(kMagicExcess < 52);
static_assert(kMagicExcess * (std::uint64_t{1} << 32) < (std::uint64_t{1} << 36));

template <class V>
struct Lanes;

template <>
struct Lanes<std::uint32_t> {
    static void storeBytes(std::uint8_t* out, std::uint32_t small) {
        *out = static_cast<std::uint8_t>(small);
    }
};

template <class V>
constexpr std::size_t kWidth = sizeof(V) / sizeof(std::uint32_t);

template <class V>
V loadWords(const std::uint32_t* words) {
    V v;
    std::memcpy(&v, words, sizeof v);
    return v;
}

template <class V>
void storeWords(std::uint32_t* words, V v) {
    std::memcpy(words, &v, sizeof v);
}

// The new value of a state word, from its old value, its successor and the word far ahead.
template <class V>
V twisted(V word, V next, V far) {
    const V y = (word & kUpperBit) | (next & kLowerBits);
    return far ^ (y >> 1) ^ (-(next & 1u) & kTwistMatrix);
}

// The draw a state word gives: the twister's tempering, shifted right by one.
template <class V>
V draw(V y) {
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return y >> 1;
}

// Regenerates the words [i, end), whose far words start at `far`, with the widest lanes that fit
// and the narrower ones for the rest. Within one stretch every far word is either all old or all
// already regenerated, and lies at least the widest width behind or ahead, so a lane never reads a
// word another lane of its own step writes.
template <class V, class... Narrower>
void twistStretch(std::uint32_t* state, std::uint32_t* draws, std::size_t i, std::size_t end,
                  std::size_t far) {
    for (; i + kWidth<V> <= end; i += kWidth<V>, far += kWidth<V>) {
        const V fresh = twisted(loadWords<V>(state + i), loadWords<V>(state + i + 1),
                                loadWords<V>(state + far));
        storeWords(state + i, fresh);
        storeWords(draws + i, draw(fresh));
    }
    if constexpr (sizeof...(Narrower) > 0) {
        twistStretch<Narrower...>(state, draws, i, end, far);
    }
}

template <class... Vectors>
void refillBlock(std::uint32_t* state, std::uint32_t* draws) noexcept {
    twistStretch<Vectors..., std::uint32_t>(state, draws, 0, kFirstWrapped, kFarStep);
    twistStretch<Vectors..., std::uint32_t>(state, draws, kFirstWrapped, kStateWords - 1, 0);
    // The last word's successor is the first, already regenerated.
    constexpr std::size_t last = kStateWords - 1;
    state[last] = twisted(state[last], state[0], state[kFarStep - 1]);
    draws[last] = draw(state[last]);
}

template <class V>
V quotient52(V x) {
    if constexpr (kWidth<V> == 1) {
        return static_cast<V>((x * kMagic52) >> 36);
    } else {
        // Vector multiplies take only the even words of each pair to a 64-bit product, so the odd
        // words are moved down for a second one, whose quotient then lands in the upper half.
        using Pairs = typename Lanes<V>::Pairs;
        const Pairs words = __builtin_bit_cast(Pairs, x);
        const Pairs magic = Pairs{} + kMagic52;
        const Pairs even = Lanes<V>::multiplyLowHalves(words, magic) >> 36;
        const Pairs odd = Lanes<V>::multiplyLowHalves(words >> 32, magic) >> 4;
        return __builtin_bit_cast(V, even | (odd & 0xffffffff00000000u));
    }
}

template <class V, class... Narrower>
void modulo52Stretch(const std::uint32_t* draws, std::uint8_t* out, std::size_t count) {
    std::size_t k = 0;
    for (; k + kWidth<V> <= count; k += kWidth<V>) {
        const V x = loadWords<V>(draws + k);
        Lanes<V>::storeBytes(out + k, x - quotient52(x) * 52u);
    }
    if constexpr (sizeof...(Narrower) > 0) {
        modulo52Stretch<Narrower...>(draws + k, out + k, count - k);
    }
}

template <class... Vectors>
void modulo52Block(const std::uint32_t* draws, std::uint8_t* out, std::size_t count) noexcept {
    modulo52Stretch<Vectors..., std::uint32_t>(draws, out, count);
}

template <class... Vectors>
constexpr BlockKernel kernelOf() {
    return BlockKernel{refillBlock<Vectors...>, modulo52Block<Vectors...>};
}

} // namespace
} // namespace omaha::mt19937
