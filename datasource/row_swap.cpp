#include "datasource/row_swap.h"

#include <bit>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define Z8_X86_SHUFFLES 1
#endif

namespace z8 {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the word-wide exchange reads pixels as little-endian words");

// Whole groups from byte i on, one at a time, then the bytes left over.
void SwapTail(const uint8_t* from, uint8_t* to, size_t i, size_t bytes) {
    for (; i + 3 <= bytes; i += 3) {
        to[i] = from[i + 2];
        to[i + 1] = from[i + 1];
        to[i + 2] = from[i];
    }
    for (; i < bytes; ++i)
        to[i] = from[i];
}

// Eight pixels (24 bytes, three words) at a time. Seen as one 192-bit
// number, byte j of the result is byte j + 2 (j a multiple of 3), byte j
// (j one past) or byte j - 2 (j two past): the number shifted right or left
// by 16 bits, or itself, under three byte masks that take turns by word.
constexpr uint64_t kFirst = 0x00FF0000FF0000FFull;   // bytes 0, 3, 6
constexpr uint64_t kSecond = 0xFF0000FF0000FF00ull;  // bytes 1, 4, 7
constexpr uint64_t kThird = 0x0000FF0000FF0000ull;   // bytes 2, 5

void SwapByWords(const uint8_t* from, uint8_t* to, size_t bytes) {
    size_t i = 0;
    for (; i + 24 <= bytes; i += 24) {
        uint64_t w[3];
        std::memcpy(w, from + i, sizeof w);
        const uint64_t right0 = (w[0] >> 16) | (w[1] << 48);
        const uint64_t right1 = (w[1] >> 16) | (w[2] << 48);
        const uint64_t right2 = w[2] >> 16;
        const uint64_t left0 = w[0] << 16;
        const uint64_t left1 = (w[1] << 16) | (w[0] >> 48);
        const uint64_t left2 = (w[2] << 16) | (w[1] >> 48);
        const uint64_t out[3] = {
            (w[0] & kSecond) | (right0 & kFirst) | (left0 & kThird),
            (w[1] & kThird) | (right1 & kSecond) | (left1 & kFirst),
            (w[2] & kFirst) | (right2 & kThird) | (left2 & kSecond),
        };
        std::memcpy(to + i, out, sizeof out);
    }
    SwapTail(from, to, i, bytes);
}

#ifdef Z8_X86_SHUFFLES

// Sixteen pixels a turn: 64 bytes read, the first 48 permuted and stored.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void SwapBy48(const uint8_t* from,
                                                                     uint8_t* to, size_t bytes) {
    alignas(64) uint8_t order[64];
    for (int j = 0; j < 64; ++j)
        order[j] = static_cast<uint8_t>(j < 48 ? j + 2 - 2 * (j % 3) : j);
    const __m512i permutation = _mm512_load_si512(order);
    constexpr __mmask64 kStored = (uint64_t{1} << 48) - 1;
    size_t i = 0;
    for (; i + 64 <= bytes; i += 48) {
        const __m512i pixels = _mm512_loadu_si512(from + i);
        // The zero-masked form: the plain one trips a false warning of
        // uninitialised use inside the compiler's header.
        const __m512i swapped = _mm512_maskz_permutexvar_epi8(kStored, permutation, pixels);
        _mm512_mask_storeu_epi8(to + i, kStored, swapped);
    }
    SwapTail(from, to, i, bytes);
}

// Eight pixels a turn: two overlapping 16-byte halves of four pixels each.
// Each store leaves its last four bytes to the next one (or to the tail).
__attribute__((target("avx2"))) void SwapBy24(const uint8_t* from, uint8_t* to, size_t bytes) {
    const __m256i order = _mm256_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 12, 13, 14, 15, 2,
                                           1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 12, 13, 14, 15);
    size_t i = 0;
    for (; i + 28 <= bytes; i += 24) {
        const __m256i pixels = _mm256_loadu2_m128i(reinterpret_cast<const __m128i*>(from + i + 12),
                                                   reinterpret_cast<const __m128i*>(from + i));
        const __m256i swapped = _mm256_shuffle_epi8(pixels, order);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm256_castsi256_si128(swapped));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i + 12),
                         _mm256_extracti128_si256(swapped, 1));
    }
    SwapTail(from, to, i, bytes);
}

#endif

}  // namespace

bool RowSwapAvailable(RowSwap way) {
#ifdef Z8_X86_SHUFFLES
    __builtin_cpu_init();
    switch (way) {
        case RowSwap::Permute64:
            return __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
        case RowSwap::Shuffle32:
            return __builtin_cpu_supports("avx2");
        default:
            return true;
    }
#else
    return way == RowSwap::Words;
#endif
}

void CopyRowSwappingRedAndBlue(RowSwap way, const uint8_t* from, uint8_t* to, size_t bytes) {
    switch (way) {
#ifdef Z8_X86_SHUFFLES
        case RowSwap::Permute64:
            SwapBy48(from, to, bytes);
            return;
        case RowSwap::Shuffle32:
            SwapBy24(from, to, bytes);
            return;
#endif
        default:
            SwapByWords(from, to, bytes);
            return;
    }
}

namespace {

// Chosen when the library is loaded rather than at first use: the guard of a
// function-local static costs the source a thread handle at each load.
const RowSwap kFastest = RowSwapAvailable(RowSwap::Permute64)   ? RowSwap::Permute64
                         : RowSwapAvailable(RowSwap::Shuffle32) ? RowSwap::Shuffle32
                                                                : RowSwap::Words;

}  // namespace

void CopyRowSwappingRedAndBlue(const uint8_t* from, uint8_t* to, size_t bytes) {
    CopyRowSwappingRedAndBlue(kFastest, from, to, bytes);
}

}  // namespace z8
