// The file cipher's throughput beside OpenSSL's raw two-key Triple DES over
// the same bytes.
#include "bench_ratios.h"
#include "raw_des.h"
#include "store/cipher.h"

namespace cgt {
namespace {

constexpr std::size_t kSize = 4 << 20;  // a large return's plain content

std::vector<std::uint8_t> Plain() {
    std::vector<std::uint8_t> p(kSize);
    for (std::size_t i = 0; i < p.size(); ++i) p[i] = std::uint8_t(i * 131 + (i >> 9));
    return p;
}

void BM_FileCipher(benchmark::State& state) {
    const auto plain = Plain();
    const CipherKey key = CipherKeyFor("123456789");
    for (auto _ : state) {
        const Bytes cipher = EncryptBytes(plain, key);
        const Bytes back = DecryptBytes(cipher, key);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(2 * kSize));
}
BENCHMARK(BM_FileCipher)->Unit(benchmark::kMillisecond);

void BM_RawOpenSslDesEde(benchmark::State& state) {
    const auto plain = Plain();
    const CipherKey key = CipherKeyFor("123456789");
    std::vector<std::uint8_t> cipher(kSize), back(kSize);
    for (auto _ : state) {
        bench::RawDesEde(key, plain, cipher, true);
        bench::RawDesEde(key, cipher, back, false);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(2 * kSize));
}
BENCHMARK(BM_RawOpenSslDesEde)->Unit(benchmark::kMillisecond);

void BM_KeyDigest(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(KeyDigest("123456789", 16));
}
BENCHMARK(BM_KeyDigest);

}  // namespace
}  // namespace cgt

// Throughput ratio = raw time / our time.
CGT_BENCHMARK_MAIN_WITH_RATIOS({{"file cipher throughput / raw OpenSSL throughput", "BM_RawOpenSslDesEde",
                                 "BM_FileCipher", 0.8, false}})
