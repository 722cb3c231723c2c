#include "core/pictures/resample.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace pagoranto {
namespace {

// The source pixels one target pixel is made of, with their weights (summing to 1).
struct Contribution {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Contribution> Contributions(int sourceSize, int targetSize)
{
    std::vector<Contribution> table(static_cast<std::size_t>(targetSize));
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int target = 0; target < targetSize; ++target) {
        Contribution &c = table[static_cast<std::size_t>(target)];
        if (scale >= 1) {
            const double begin = target * scale;
            const double end = begin + scale;
            c.first = static_cast<int>(begin);
            const int last = std::min(sourceSize - 1, static_cast<int>(std::ceil(end)) - 1);
            for (int s = c.first; s <= last; ++s) {
                const double covered = std::min<double>(end, s + 1) - std::max<double>(begin, s);
                c.weights.push_back(static_cast<float>(covered / scale));
            }
        } else {
            const double centre = std::clamp((target + 0.5) * scale - 0.5, 0.0, sourceSize - 1.0);
            c.first = static_cast<int>(centre);
            const double fraction = centre - c.first;
            c.weights.push_back(static_cast<float>(1 - fraction));
            if (c.first + 1 < sourceSize)
                c.weights.push_back(static_cast<float>(fraction));
        }
    }
    return table;
}

std::uint8_t ToByte(float value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

RgbImage Resample(const RgbImage &source, int width, int height)
{
    RgbImage result;
    if (source.width <= 0 || source.height <= 0 || width <= 0 || height <= 0 ||
        source.rgb.size() != static_cast<std::size_t>(source.width) * source.height * 3)
        return result;

    // Columns first into a float buffer of full source height, then rows.
    const std::vector<Contribution> columns = Contributions(source.width, width);
    std::vector<float> narrow(static_cast<std::size_t>(width) * source.height * 3);
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t *row =
            source.rgb.data() + static_cast<std::size_t>(y) * source.width * 3;
        float *out = narrow.data() + static_cast<std::size_t>(y) * width * 3;
        for (const Contribution &c : columns) {
            float sum[3] = {0, 0, 0};
            const std::uint8_t *pixel = row + static_cast<std::size_t>(c.first) * 3;
            for (const float weight : c.weights) {
                sum[0] += weight * pixel[0];
                sum[1] += weight * pixel[1];
                sum[2] += weight * pixel[2];
                pixel += 3;
            }
            *out++ = sum[0];
            *out++ = sum[1];
            *out++ = sum[2];
        }
    }

    const std::vector<Contribution> rows = Contributions(source.height, height);
    const std::size_t rowValues = static_cast<std::size_t>(width) * 3;
    result.width = width;
    result.height = height;
    result.rgb.resize(rowValues * height);
    std::vector<float> sum(rowValues);
    for (int y = 0; y < height; ++y) {
        const Contribution &c = rows[static_cast<std::size_t>(y)];
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (std::size_t k = 0; k < c.weights.size(); ++k) {
            const float *in = narrow.data() + (c.first + k) * rowValues;
            for (std::size_t i = 0; i < rowValues; ++i)
                sum[i] += c.weights[k] * in[i];
        }
        std::uint8_t *out = result.rgb.data() + static_cast<std::size_t>(y) * rowValues;
        for (std::size_t i = 0; i < rowValues; ++i)
            out[i] = ToByte(sum[i]);
    }
    return result;
}

} // namespace pagoranto
