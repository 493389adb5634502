#include "ui/texture_noise.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace omaha {

double latticeHash(int x, int y, int seed) {
    // Integer mixing in unsigned arithmetic, where wrap-around is defined.
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393U +
                      static_cast<std::uint32_t>(y) * 668265263U +
                      static_cast<std::uint32_t>(seed) * 2246822519U;
    h = (h ^ (h >> 13)) * 1274126177U;
    h ^= h >> 16;
    return static_cast<double>(h & 0xffffffU) / static_cast<double>(0x1000000U);
}

double valueNoise(double x, double y, int seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    double tx = x - fx;
    double ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = latticeHash(x0, y0, seed);
    const double b = latticeHash(x0 + 1, y0, seed);
    const double c = latticeHash(x0, y0 + 1, seed);
    const double d = latticeHash(x0 + 1, y0 + 1, seed);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, int octaves, int seed) {
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += valueNoise(x, y, seed + octave) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        weight /= 2;
    }
    return std::min(sum / total, 0.999999);
}

CellDistances cellNoise(double x, double y, int seed) {
    const int cx = static_cast<int>(std::floor(x));
    const int cy = static_cast<int>(std::floor(y));
    CellDistances result{10, 10};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = cx + dx;
            const int py = cy + dy;
            const double fx = px + latticeHash(px, py, seed);
            const double fy = py + latticeHash(px, py, seed + 101);
            const double distance = std::hypot(fx - x, fy - y);
            if (distance < result.nearest) {
                result.second = result.nearest;
                result.nearest = distance;
            } else if (distance < result.second) {
                result.second = distance;
            }
        }
    }
    return result;
}

} // namespace omaha
