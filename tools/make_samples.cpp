// Paints the sample photos that come with the program. The scenes are synthetic and drawn from
// fixed seeds, so every run writes the same pictures and nothing has to be taken from elsewhere.
#include "core/pictures/jpegencoder.h"
#include "core/pictures/rgbimage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;

struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
};

Colour Mix(Colour a, Colour b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, double factor)
{
    return {c.r * factor, c.g * factor, c.b * factor};
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Coverage of a pixel centre by a shape whose signed distance is given (negative inside), so
// edges come out smooth without supersampling.
double Coverage(double signedDistance, double softness = 1.0)
{
    return std::clamp(0.5 - signedDistance / softness, 0.0, 1.0);
}

// xorshift: the same numbers on every machine, unlike the standard distributions.
class Random {
public:
    explicit Random(std::uint32_t seed) : m_state(seed ? seed : 1) {}

    std::uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }

    // In [low, high).
    double uniform(double low, double high) { return low + (high - low) * (next() / 4294967296.0); }

private:
    std::uint32_t m_state;
};

class Canvas {
public:
    Canvas(int width, int height)
        : m_width(width), m_height(height), m_pixels(std::size_t(width) * height)
    {
    }

    int width() const { return m_width; }
    int height() const { return m_height; }

    void Paint(const std::function<Colour(double x, double y)> &colourAt)
    {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                at(x, y) = colourAt(x + 0.5, y + 0.5);
    }

    // Lays a colour over every pixel with the opacity the function gives it.
    void Cover(Colour colour, const std::function<double(double x, double y)> &opacityAt)
    {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                Blend(x, y, colour, opacityAt(x + 0.5, y + 0.5));
    }

    // Like Cover, with the colour chosen per pixel.
    void CoverWith(const std::function<Colour(double x, double y)> &colourAt,
                   const std::function<double(double x, double y)> &opacityAt)
    {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                const double opacity = opacityAt(x + 0.5, y + 0.5);
                if (opacity > 0)
                    Blend(x, y, colourAt(x + 0.5, y + 0.5), opacity);
            }
    }

    void Disc(double cx, double cy, double radius, Colour colour, double opacity,
              double softness = 1.0)
    {
        ForBox(cx, cy, radius + softness, [&](int x, int y) {
            const double distance = std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius;
            Blend(x, y, colour, opacity * Coverage(distance, softness));
        });
    }

    // A round glow that fades with the distance from its centre.
    void Glow(double cx, double cy, double radius, Colour colour, double strength)
    {
        ForBox(cx, cy, radius * 3, [&](int x, int y) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
            Add(x, y, Scale(colour, strength * std::exp(-d * d)));
        });
    }

    // Out-of-focus light: a flat disc with a slightly brighter rim, added to what is below.
    void Bokeh(double cx, double cy, double radius, Colour colour, double strength)
    {
        ForBox(cx, cy, radius + 2, [&](int x, int y) {
            const double distance = std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius;
            const double inside = Coverage(distance, 2.0);
            const double rim = std::exp(-distance * distance / 18.0);
            Add(x, y, Scale(colour, strength * (inside * 0.8 + rim * 0.35)));
        });
    }

    // Film grain, so that the smooth gradients look less like a drawing.
    void Grain(std::uint32_t seed, double amount)
    {
        Random random(seed);
        for (Colour &c : m_pixels) {
            const double n = (random.uniform(-1, 1) + random.uniform(-1, 1)) * amount;
            c = {c.r + n, c.g + n, c.b + n};
        }
    }

    pagoranto::RgbImage ToImage() const
    {
        pagoranto::RgbImage image{m_width, m_height, {}};
        image.rgb.reserve(m_pixels.size() * 3);
        const auto byte = [](double value) {
            return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
        };
        for (const Colour &c : m_pixels) {
            image.rgb.push_back(byte(c.r));
            image.rgb.push_back(byte(c.g));
            image.rgb.push_back(byte(c.b));
        }
        return image;
    }

private:
    Colour &at(int x, int y) { return m_pixels[std::size_t(y) * m_width + x]; }

    void Blend(int x, int y, Colour colour, double opacity)
    {
        if (opacity > 0)
            at(x, y) = Mix(at(x, y), colour, opacity);
    }

    void Add(int x, int y, Colour colour)
    {
        Colour &c = at(x, y);
        c = {c.r + colour.r, c.g + colour.g, c.b + colour.b};
    }

    template <typename Visit> void ForBox(double cx, double cy, double reach, Visit visit)
    {
        const int x0 = std::max(0, static_cast<int>(std::floor(cx - reach)));
        const int x1 = std::min(m_width - 1, static_cast<int>(std::ceil(cx + reach)));
        const int y0 = std::max(0, static_cast<int>(std::floor(cy - reach)));
        const int y1 = std::min(m_height - 1, static_cast<int>(std::ceil(cy + reach)));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                visit(x, y);
    }

    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};

// A gradient through colour stops at increasing positions in [0, 1].
Colour Gradient(const std::vector<std::pair<double, Colour>> &stops, double t)
{
    if (t <= stops.front().first)
        return stops.front().second;
    for (std::size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].first) {
            const auto &[t0, c0] = stops[i - 1];
            const auto &[t1, c1] = stops[i];
            return Mix(c0, c1, SmoothStep(0, 1, (t - t0) / (t1 - t0)));
        }
    return stops.back().second;
}

// A gently rolling ridge line: a few sine waves with phases from the seed.
std::function<double(double)> Ridge(double base, double amplitude, double width, std::uint32_t seed)
{
    Random random(seed);
    const double p1 = random.uniform(0, 2 * pi);
    const double p2 = random.uniform(0, 2 * pi);
    const double p3 = random.uniform(0, 2 * pi);
    return [=](double x) {
        const double u = x / width;
        return base -
               amplitude * (0.55 * std::sin(u * 2.1 * pi + p1) + 0.3 * std::sin(u * 4.7 * pi + p2) +
                            0.15 * std::sin(u * 11.3 * pi + p3));
    };
}

void SoftCloud(Canvas &canvas, Random &random, double cx, double cy, double size, Colour colour)
{
    for (int i = 0; i < 9; ++i) {
        const double dx = random.uniform(-1.6, 1.6) * size;
        const double dy = random.uniform(-0.35, 0.25) * size;
        canvas.Disc(cx + dx, cy + dy, size * random.uniform(0.45, 0.8), colour, 0.18, size * 0.5);
    }
}

Canvas HillsAtSunset()
{
    Canvas canvas(800, 600);
    const double horizon = 390;
    canvas.Paint([&](double, double y) {
        return Gradient({{0.0, {38, 44, 104}},
                         {0.45, {150, 92, 140}},
                         {0.8, {245, 150, 96}},
                         {1.0, {252, 206, 140}}},
                        y / horizon);
    });
    canvas.Glow(560, 330, 120, {255, 170, 80}, 0.5);
    canvas.Disc(560, 330, 42, {255, 236, 190}, 1.0, 2.0);
    const Colour layers[] = {{150, 100, 130}, {104, 78, 112}, {62, 72, 78}, {34, 52, 42}};
    for (int i = 0; i < 4; ++i) {
        const auto ridge = Ridge(340 + i * 62, 26 + i * 10, 800, 11 + i);
        const Colour colour = layers[i];
        canvas.CoverWith(
            [&](double, double y) { return Mix(colour, Scale(colour, 0.7), (y - 300) / 300); },
            [&](double x, double y) { return Coverage(ridge(x) - y); });
    }
    canvas.Grain(101, 2.5);
    return canvas;
}

Canvas SeaHorizon()
{
    Canvas canvas(800, 600);
    const double horizon = 330;
    const double sunX = 300;
    canvas.Paint([&](double, double y) {
        if (y < horizon)
            return Gradient({{0.0, {70, 130, 200}}, {0.7, {160, 200, 230}}, {1.0, {230, 236, 236}}},
                            y / horizon);
        return Gradient({{0.0, {92, 140, 170}}, {0.3, {40, 96, 140}}, {1.0, {16, 52, 92}}},
                        (y - horizon) / (600 - horizon));
    });
    Random random(202);
    for (int i = 0; i < 5; ++i)
        SoftCloud(canvas, random, random.uniform(60, 760), random.uniform(50, 200),
                  random.uniform(28, 50), {255, 255, 255});
    canvas.Glow(sunX, 150, 70, {255, 240, 200}, 0.45);
    canvas.Disc(sunX, 150, 30, {255, 250, 232}, 1.0, 1.5);
    // The sun's glitter on the water: short bright dashes that spread out towards the viewer.
    canvas.Cover({255, 246, 214}, [&](double x, double y) {
        if (y < horizon)
            return 0.0;
        const double depth = (y - horizon) / (600 - horizon);
        const double spread = 14 + depth * 120;
        const double column = std::exp(-std::pow((x - sunX) / spread, 2));
        const double waves = std::pow(std::max(0.0, std::sin(y * 0.9 + std::sin(x * 0.05) * 3)), 8);
        const double dashes =
            std::max(0.0, std::sin(x * (0.25 - depth * 0.15) + std::sin(y * 0.7) * 2));
        return column * waves * dashes * (1.0 - depth * 0.4);
    });
    canvas.Cover({255, 255, 255}, [&](double, double y) {
        return 0.5 * std::exp(-std::pow((y - horizon) / 1.2, 2));
    });
    canvas.Grain(203, 2.0);
    return canvas;
}

Canvas CheckerboardGarden()
{
    Canvas canvas(800, 600);
    const double horizon = 250;
    canvas.Paint([&](double, double y) {
        return Gradient({{0.0, {96, 150, 214}}, {1.0, {200, 224, 240}}}, y / horizon);
    });
    const auto hedgeTop = Ridge(212, 6, 160, 31);
    canvas.CoverWith(
        [&](double x, double y) {
            const double leaf = 0.85 + 0.15 * std::sin(x * 0.7) * std::sin(y * 0.9);
            return Scale(Colour{46, 98, 52}, leaf);
        },
        [&](double x, double y) { return Coverage(hedgeTop(x) - y) * Coverage(y - horizon - 1); });
    // Lawn squares in perspective, sampled four times a pixel because the far squares get tiny.
    const Colour light{118, 178, 84};
    const Colour dark{78, 140, 60};
    const Colour haze{178, 206, 170};
    canvas.CoverWith(
        [&](double x, double y) {
            Colour sum;
            for (double sy : {-0.25, 0.25})
                for (double sx : {-0.25, 0.25}) {
                    const double below = std::max(0.5, y + sy - horizon);
                    const double depth = 260.0 / below;
                    const double across = (x + sx - 400) / below;
                    const bool even = (static_cast<long>(std::floor(across * 4)) +
                                       static_cast<long>(std::floor(depth * 4))) %
                                          2 ==
                                      0;
                    const Colour c = Mix(even ? light : dark, haze, 1 - std::exp(-depth * 0.12));
                    sum = {sum.r + c.r / 4, sum.g + c.g / 4, sum.b + c.b / 4};
                }
            return sum;
        },
        [&](double, double y) { return Coverage(horizon - y); });
    // Clipped box balls along both sides, larger the nearer they stand.
    for (int i = 0; i < 6; ++i) {
        const double y = horizon + 12 + i * i * 11.0;
        const double r = 8 + i * 9.0;
        for (double side : {-1.0, 1.0}) {
            const double x = 400 + side * (120 + (y - horizon) * 1.45);
            canvas.Disc(x + r * 0.25, y + r * 0.15, r, {30, 60, 34}, 0.5, r * 0.4);
            canvas.Disc(x, y - r * 0.6, r, {52, 112, 56}, 1.0, 1.5);
            canvas.Disc(x - r * 0.3, y - r * 0.9, r * 0.45, {120, 180, 100}, 0.35, r * 0.4);
        }
    }
    canvas.Grain(301, 2.0);
    return canvas;
}

Canvas BokehLights()
{
    Canvas canvas(800, 600);
    canvas.Paint([&](double x, double y) {
        return Mix(Colour{18, 14, 34}, Colour{58, 24, 44}, (x / 800) * 0.6 + (y / 600) * 0.4);
    });
    Random random(404);
    const Colour palette[] = {
        {255, 180, 80}, {255, 110, 120}, {120, 170, 255}, {255, 230, 150}, {180, 120, 255}};
    for (int i = 0; i < 70; ++i) {
        const double radius = random.uniform(12, 70);
        const Colour colour = palette[random.next() % 5];
        canvas.Bokeh(random.uniform(-20, 820), random.uniform(-20, 620), radius, colour,
                     random.uniform(0.12, 0.32));
    }
    canvas.Grain(405, 3.0);
    return canvas;
}

Canvas MountainLake()
{
    Canvas canvas(800, 600);
    const double shore = 380;
    const auto sky = [](double y) {
        return Gradient({{0.0, {60, 110, 180}}, {1.0, {190, 214, 232}}}, y / 380);
    };
    // Peaks as straight slopes between random summits, like a skyline of rock.
    Random random(505);
    std::vector<std::pair<double, double>> summits;
    for (double x = -60; x < 900; x += random.uniform(120, 220))
        summits.push_back({x, random.uniform(120, 250)});
    const auto peak = [&](double x) {
        for (std::size_t i = 1; i < summits.size(); ++i)
            if (x <= summits[i].first) {
                const auto [x0, y0] = summits[i - 1];
                const auto [x1, y1] = summits[i];
                const double t = (x - x0) / (x1 - x0);
                const double valley = std::max(y0, y1) + 60 * std::sin(t * pi);
                return t < 0.5 ? y0 + (valley - y0) * t * 2
                               : valley + (y1 - valley) * (t - 0.5) * 2;
            }
        return summits.back().second;
    };
    const auto rock = [&](double x, double y) {
        const double snowLine = 215 + 12 * std::sin(x * 0.09) + 6 * std::sin(x * 0.31);
        const Colour stone = Mix(Colour{96, 100, 118}, Colour{58, 66, 74}, (y - 150) / 230);
        return Mix(stone, Colour{240, 244, 250}, SmoothStep(snowLine + 4, snowLine - 4, y));
    };
    const auto forest = Ridge(350, 8, 90, 506);
    const auto scene = [&](double x, double y) {
        Colour c = sky(y);
        c = Mix(c, rock(x, y), Coverage(peak(x) - y));
        c = Mix(c, Colour{30, 62, 44}, Coverage(forest(x) - y));
        return c;
    };
    canvas.Paint([&](double x, double y) {
        if (y < shore)
            return scene(x, y);
        // The lake mirrors the scene, darker and broken by ripples.
        const double ripple = 3 * std::sin(y * 0.8) * (y - shore) / 220;
        const Colour mirrored = scene(x + ripple, std::max(0.5, 2 * shore - y));
        return Mix(Scale(mirrored, 0.78), Colour{30, 60, 90}, (y - shore) / 400);
    });
    const auto beach = Ridge(560, 14, 500, 507);
    canvas.Cover({52, 48, 40}, [&](double x, double y) { return Coverage(beach(x) - y); });
    canvas.Grain(508, 2.0);
    return canvas;
}

Canvas Lighthouse()
{
    Canvas canvas(600, 800);
    const double horizon = 560;
    canvas.Paint([&](double, double y) {
        if (y < horizon)
            return Gradient({{0.0, {28, 36, 82}}, {0.6, {112, 96, 150}}, {1.0, {238, 170, 130}}},
                            y / horizon);
        return Mix(Colour{70, 84, 120}, Colour{24, 36, 60}, (y - horizon) / 240);
    });
    const double cx = 380;
    const double top = 250;
    const double bottom = 640;
    // The beam first, so that the tower stands in front of it.
    canvas.Cover({255, 240, 190}, [&](double x, double y) {
        const double dx = cx - x;
        if (dx < 0)
            return 0.0;
        const double spread = 8 + dx * 0.22;
        return 0.35 * std::exp(-std::pow((y - top + 10 - dx * 0.08) / spread, 2)) *
               std::exp(-dx / 420);
    });
    canvas.Cover({36, 34, 40}, [&](double x, double y) {
        const double cliff = 610 + 0.0016 * std::pow(x - 420, 2) + 6 * std::sin(x * 0.07);
        return Coverage(cliff - y);
    });
    canvas.CoverWith(
        [&](double x, double y) {
            const bool red = static_cast<int>((y - top) / 55) % 2 == 1;
            const double shade = 0.75 + 0.25 * std::cos((x - cx) / 30);
            return Scale(red ? Colour{196, 44, 48} : Colour{238, 236, 230}, shade);
        },
        [&](double x, double y) {
            if (y < top || y > bottom)
                return 0.0;
            const double half = 18 + (y - top) * 0.06;
            return Coverage(std::abs(x - cx) - half);
        });
    canvas.Cover({40, 40, 46}, [&](double x, double y) {
        return Coverage(std::abs(x - cx) - 26) * Coverage(std::abs(y - (top - 4)) - 5);
    });
    canvas.Glow(cx, top - 22, 16, {255, 230, 160}, 0.8);
    canvas.Disc(cx, top - 22, 11, {255, 248, 214}, 1.0);
    canvas.Cover({40, 40, 46}, [&](double x, double y) {
        return Coverage(std::abs(x - cx) - (18 - (top - 38 - y) * 0.9)) *
               Coverage(std::abs(y - (top - 46)) - 8);
    });
    canvas.Grain(601, 2.5);
    return canvas;
}

Canvas MoonNight()
{
    Canvas canvas(600, 800);
    canvas.Paint([&](double, double y) {
        return Gradient({{0.0, {6, 8, 26}}, {0.7, {24, 34, 74}}, {1.0, {52, 62, 104}}}, y / 800);
    });
    Random random(707);
    for (int i = 0; i < 260; ++i) {
        const double brightness = std::pow(random.uniform(0, 1), 3);
        canvas.Disc(random.uniform(0, 600), random.uniform(0, 620), 0.4 + brightness * 1.1,
                    {240, 240, 255}, 0.4 + brightness * 0.6, 1.0);
    }
    canvas.Glow(400, 200, 80, {150, 170, 220}, 0.3);
    canvas.Disc(400, 200, 54, {236, 232, 214}, 1.0, 1.5);
    for (int i = 0; i < 7; ++i) {
        const double angle = random.uniform(0, 2 * pi);
        const double distance = random.uniform(0, 38);
        canvas.Disc(400 + std::cos(angle) * distance, 200 + std::sin(angle) * distance,
                    random.uniform(4, 11), {190, 186, 172}, 0.45, 3.0);
    }
    const auto hills = Ridge(640, 30, 600, 708);
    canvas.Cover({10, 14, 24}, [&](double x, double y) { return Coverage(hills(x) - y); });
    // Fir trees on the hill line: stacked triangles.
    for (int i = 0; i < 9; ++i) {
        const double x = random.uniform(20, 580);
        const double height = random.uniform(50, 110);
        const double base = hills(x) + 4;
        canvas.Cover({10, 14, 24}, [&](double px, double py) {
            if (py > base || py < base - height)
                return 0.0;
            const double t = (base - py) / height;
            const double tier = std::fmod(t * 3, 1.0);
            const double half = height * 0.28 * (1 - t) * (0.6 + 0.4 * (1 - tier));
            return Coverage(std::abs(px - x) - half);
        });
    }
    canvas.Grain(709, 2.0);
    return canvas;
}

Canvas PoppyMeadow()
{
    Canvas canvas(600, 800);
    const double horizon = 330;
    canvas.Paint([&](double, double y) {
        if (y < horizon)
            return Gradient({{0.0, {74, 136, 210}}, {1.0, {196, 222, 240}}}, y / horizon);
        return Gradient({{0.0, {132, 160, 96}}, {0.4, {96, 148, 62}}, {1.0, {60, 112, 40}}},
                        (y - horizon) / 470);
    });
    Random random(808);
    for (int i = 0; i < 4; ++i)
        SoftCloud(canvas, random, random.uniform(40, 560), random.uniform(60, 220),
                  random.uniform(26, 42), {255, 255, 255});
    const auto trees = Ridge(horizon - 4, 10, 140, 809);
    canvas.Cover({52, 84, 52}, [&](double x, double y) {
        return Coverage(trees(x) - y) * Coverage(y - horizon - 2);
    });
    // Poppies from the back to the front, so that the near ones cover the far ones.
    for (int i = 0; i < 900; ++i) {
        const double t = std::pow(i / 900.0, 1.6);
        const double y = horizon + 6 + t * 480 + random.uniform(-4, 4);
        const double size = 0.8 + t * 14;
        const double x = random.uniform(-10, 610);
        const Colour petal = Mix(Colour{222, 40, 30}, Colour{250, 90, 40}, random.uniform(0, 1));
        canvas.Disc(x, y, size, petal, 0.95, std::max(1.0, size * 0.25));
        if (size > 4)
            canvas.Disc(x, y - size * 0.1, size * 0.22, {30, 20, 20}, 0.9);
    }
    canvas.Grain(810, 2.5);
    return canvas;
}

struct Sample {
    const char *fileName;
    Canvas (*paint)();
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples <directory>\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const Sample samples[] = {
        {"hills_at_sunset.jpg", HillsAtSunset},  {"sea_horizon.jpg", SeaHorizon},
        {"garden_lawn.jpg", CheckerboardGarden}, {"evening_lights.jpg", BokehLights},
        {"mountain_lake.jpg", MountainLake},     {"lighthouse.jpg", Lighthouse},
        {"moon_night.jpg", MoonNight},           {"poppy_meadow.jpg", PoppyMeadow},
    };
    pagoranto::JpegEncodeOptions options;
    options.quality = 85;
    int failures = 0;
    for (const Sample &sample : samples) {
        const pagoranto::RgbImage image = sample.paint().ToImage();
        const auto path = directory / sample.fileName;
        const pagoranto::JpegEncodeResult result =
            pagoranto::EncodeJpegFile(path, pagoranto::ViewOf(image), options);
        if (!result) {
            std::fprintf(stderr, "%s: %s\n", path.string().c_str(), result.error.c_str());
            ++failures;
            continue;
        }
        std::printf("%s %dx%d %ju bytes\n", sample.fileName, image.width, image.height,
                    static_cast<std::uintmax_t>(std::filesystem::file_size(path, error)));
    }
    return failures == 0 ? 0 : 1;
}
