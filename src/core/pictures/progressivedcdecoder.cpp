#include "core/pictures/progressivedcdecoder.h"

#include "core/pictures/exiforientation.h"
#include "core/text/linefile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace pagoranto {

namespace {

// The same bound on a damaged header's claimed size as the libjpeg path has.
constexpr std::uint64_t maxPicturePixels = 400'000'000;
constexpr int maxScans = 1000;
constexpr int maxDimension = 65500;

// Marker codes.
constexpr int soi = 0xD8;
constexpr int eoi = 0xD9;
constexpr int sos = 0xDA;
constexpr int dqt = 0xDB;
constexpr int dri = 0xDD;
constexpr int dht = 0xC4;
constexpr int sofProgressiveHuffman = 0xC2;
constexpr int app0 = 0xE0;
constexpr int app14 = 0xEE;

bool IsRestart(int marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

// Every other start of frame, DNL and arithmetic conditioning: not ours to decode.
bool IsForeignFrameMarker(int marker)
{
    return (marker >= 0xC0 && marker <= 0xCF && marker != dht && marker != sofProgressiveHuffman) ||
           marker == 0xDC;
}

class ByteSource {
public:
    explicit ByteSource(std::string_view bytes)
        : m_at(reinterpret_cast<const std::uint8_t *>(bytes.data())), m_end(m_at + bytes.size())
    {
    }
    explicit ByteSource(std::FILE *file) : m_file(file), m_buffer(64 * 1024) {}

    // The next byte, or -1 at the end of the input.
    int Next()
    {
        if (m_at == m_end && !Refill())
            return -1;
        return *m_at++;
    }

    bool Skip(std::size_t count)
    {
        while (count > 0) {
            if (m_at == m_end && !Refill())
                return false;
            const std::size_t step = std::min<std::size_t>(count, std::size_t(m_end - m_at));
            m_at += step;
            count -= step;
        }
        return true;
    }

    // Passes over entropy-coded data (stuffed bytes, restarts) to the next real marker; -1 when
    // the input ends first.
    int SkipToMarker()
    {
        for (;;) {
            if (m_at == m_end && !Refill())
                return -1;
            const void *found = std::memchr(m_at, 0xFF, std::size_t(m_end - m_at));
            if (!found) {
                m_at = m_end;
                continue;
            }
            m_at = static_cast<const std::uint8_t *>(found) + 1;
            int code = Next();
            while (code == 0xFF)
                code = Next();
            if (code < 0)
                return -1;
            if (code != 0 && !IsRestart(code))
                return code;
        }
    }

private:
    bool Refill()
    {
        if (!m_file)
            return false;
        const std::size_t got = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
        if (got == 0)
            return false;
        m_at = m_buffer.data();
        m_end = m_at + got;
        return true;
    }

    std::FILE *m_file = nullptr;
    std::vector<std::uint8_t> m_buffer;
    const std::uint8_t *m_at = nullptr;
    const std::uint8_t *m_end = nullptr;
};

// The bits of one scan's entropy-coded data. A marker ends them; asking for a bit beyond it
// means the data is damaged or cut off.
class EntropyBits {
public:
    explicit EntropyBits(ByteSource &source) : m_source(source) {}

    int Bit()
    {
        if (m_count == 0 && !Fill())
            return -1;
        --m_count;
        return int(m_bits >> m_count) & 1;
    }

    // count is 1..16; -1 when the data ends first.
    int Bits(int count)
    {
        while (m_count < count)
            if (!Fill())
                return -1;
        m_count -= count;
        return int(m_bits >> m_count) & ((1 << count) - 1);
    }

    // Restarts and the end of a scan start afresh on a byte; what is left of this one is padding.
    void DropPadding() { m_count = 0; }

    // After a restart interval: the expected restart marker must come next.
    bool TakeRestart(int expected)
    {
        DropPadding();
        if (m_marker == 0) {
            int code = m_source.Next();
            if (code != 0xFF)
                return false;
            while (code == 0xFF)
                code = m_source.Next();
            m_marker = code;
        }
        const bool ok = m_marker == 0xD0 + expected;
        m_marker = 0;
        return ok;
    }

    // The marker after the scan's data; -1 when the input ends first.
    int TakeMarker()
    {
        DropPadding();
        const int marker = m_marker;
        m_marker = 0;
        if (marker != 0 && !IsRestart(marker))
            return marker;
        if (marker == -1)
            return -1;
        return m_source.SkipToMarker();
    }

private:
    bool Fill()
    {
        if (m_marker != 0)
            return false;
        int byte = m_source.Next();
        if (byte == 0xFF) {
            int code = m_source.Next();
            while (code == 0xFF)
                code = m_source.Next();
            if (code != 0) {
                m_marker = code < 0 ? -1 : code;
                return false;
            }
        } else if (byte < 0) {
            m_marker = -1;
            return false;
        }
        m_bits = (m_bits << 8) | std::uint32_t(byte);
        m_count += 8;
        return true;
    }

    ByteSource &m_source;
    std::uint32_t m_bits = 0;
    int m_count = 0;
    int m_marker = 0; // 0 none met yet, -1 the end of the input
};

// Counts the units of a scan between restart markers and takes each marker when it is due.
class RestartMarkers {
public:
    explicit RestartMarkers(int interval) : m_interval(interval), m_untilRestart(interval) {}

    // Before each unit; false when a due marker is missing. restarted: the predictions and the
    // end-of-bands run start afresh.
    bool BeforeUnit(EntropyBits &bits, bool &restarted)
    {
        restarted = false;
        if (m_interval <= 0)
            return true;
        if (m_untilRestart == 0) {
            if (!bits.TakeRestart(m_next))
                return false;
            m_next = (m_next + 1) & 7;
            m_untilRestart = m_interval;
            restarted = true;
        }
        --m_untilRestart;
        return true;
    }

private:
    int m_interval;
    int m_untilRestart;
    int m_next = 0;
};

class HuffmanTable {
public:
    bool defined = false;

    // As libjpeg checks its tables: no code of all ones, DC categories up to 15.
    bool Define(const std::uint8_t *counts, const std::uint8_t *symbols, int symbolCount, bool dc)
    {
        int code = 0;
        int next = 0;
        for (int length = 1; length <= 16; ++length) {
            const int count = counts[length - 1];
            m_offset[length] = next - code;
            next += count;
            code += count;
            m_maxCode[length] = count > 0 ? code - 1 : -1;
            if (count > 0 && code >= (1 << length))
                return false;
            code <<= 1;
        }
        if (next != symbolCount || next > 256)
            return false;
        for (int i = 0; i < next; ++i) {
            if (dc && symbols[i] > 15)
                return false;
            m_symbols[std::size_t(i)] = symbols[i];
        }
        defined = true;
        return true;
    }

    // The next symbol, -1 for damaged data.
    int Decode(EntropyBits &bits) const
    {
        int code = 0;
        for (int length = 1; length <= 16; ++length) {
            const int bit = bits.Bit();
            if (bit < 0)
                return -1;
            code = (code << 1) | bit;
            if (code <= m_maxCode[length])
                return m_symbols[std::size_t(code + m_offset[length])];
        }
        return -1;
    }

private:
    std::array<int, 17> m_maxCode{};
    std::array<int, 17> m_offset{};
    std::array<std::uint8_t, 256> m_symbols{};
};

// Where each coefficient of the stored (zigzag) order sits in a block, row by row.
constexpr std::array<int, 64> naturalOrder = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

using QuantTable = std::array<int, 64>; // in block order

struct Component {
    int id = 0;
    int h = 1;
    int v = 1;
    int table = 0;
    QuantTable quant{};
    bool quantLatched = false;
    // Chroma halved both ways comes out of libjpeg's 1/8 decode as 2x2 samples a block, which
    // take some of the AC coefficients: those of such a component are decoded (the rest skipped).
    bool needsAc = false;
    std::vector<std::int16_t> ac; // 64 a block in block order, for the picture's blocks
    int knownFromBit = -1;        // the lowest DC bit received so far; -1 before its first scan
    int blocksWide = 0;           // blocks that hold picture
    int blocksHigh = 0;
    int stride = 0; // blocks a row, with the padding of whole MCUs
    std::vector<std::int16_t> dc;
};

int CeilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

// The coefficients one AC scan carries and the bit of their values it starts at.
struct Band {
    int first = 1;
    int last = 63;
    int low = 0;
};

int Extend(int raw, int size)
{
    return raw < (1 << (size - 1)) ? raw - (1 << size) + 1 : raw;
}

// A run of blocks whose band holds nothing more: the count after the run's category.
bool ReadEndOfBands(EntropyBits &bits, int category, int &endOfBands)
{
    endOfBands = 1 << category;
    if (category > 0) {
        const int extra = bits.Bits(category);
        if (extra < 0)
            return false;
        endOfBands += extra;
    }
    return true;
}

bool FirstAc(EntropyBits &bits, const HuffmanTable &table, const Band &band, std::int16_t *block,
             int &endOfBands)
{
    if (endOfBands > 0) {
        --endOfBands;
        return true;
    }
    for (int k = band.first; k <= band.last; ++k) {
        const int symbol = table.Decode(bits);
        if (symbol < 0)
            return false;
        const int run = symbol >> 4;
        const int size = symbol & 15;
        if (size == 0) {
            if (run == 15) {
                k += 15;
                continue;
            }
            if (!ReadEndOfBands(bits, run, endOfBands))
                return false;
            --endOfBands;
            return true;
        }
        k += run;
        const int raw = bits.Bits(size);
        if (raw < 0 || k > band.last)
            return false;
        block[naturalOrder[std::size_t(k)]] = std::int16_t(Extend(raw, size) * (1 << band.low));
    }
    return true;
}

// A coefficient already set gets its next bit, away from zero.
bool RefineCoefficient(EntropyBits &bits, std::int16_t &coefficient, int bit)
{
    const int correction = bits.Bit();
    if (correction < 0)
        return false;
    if (correction && (coefficient & bit) == 0)
        coefficient = std::int16_t(coefficient >= 0 ? coefficient + bit : coefficient - bit);
    return true;
}

bool RefineAc(EntropyBits &bits, const HuffmanTable &table, const Band &band, std::int16_t *block,
              int &endOfBands)
{
    const int bit = 1 << band.low;
    int k = band.first;
    if (endOfBands == 0) {
        for (; k <= band.last; ++k) {
            const int symbol = table.Decode(bits);
            if (symbol < 0)
                return false;
            int run = symbol >> 4;
            const int size = symbol & 15;
            int value = 0;
            if (size != 0) {
                // Anything but a new coefficient of one bit is damage; libjpeg then warns.
                const int sign = size == 1 ? bits.Bit() : -1;
                if (sign < 0)
                    return false;
                value = sign ? bit : -bit;
            } else if (run != 15) {
                if (!ReadEndOfBands(bits, run, endOfBands))
                    return false;
                break;
            }
            // Zero coefficients are counted off the run; those set before are refined on the way.
            for (; k <= band.last; ++k) {
                std::int16_t &coefficient = block[naturalOrder[std::size_t(k)]];
                if (coefficient != 0) {
                    if (!RefineCoefficient(bits, coefficient, bit))
                        return false;
                } else if (--run < 0) {
                    break;
                }
            }
            if (value != 0) {
                if (k > band.last)
                    return false;
                block[naturalOrder[std::size_t(k)]] = std::int16_t(value);
            }
        }
    }
    if (endOfBands > 0) {
        for (; k <= band.last; ++k) {
            std::int16_t &coefficient = block[naturalOrder[std::size_t(k)]];
            if (coefficient != 0 && !RefineCoefficient(bits, coefficient, bit))
                return false;
        }
        --endOfBands;
    }
    return true;
}

// libjpeg's reduced inverse DCT to 2x2 samples (its jidctred arithmetic, 13 fraction bits), which
// takes the coefficients of rows and columns 0, 1, 3, 5 and 7.
std::array<std::uint8_t, 4> InverseDct2x2(const std::int16_t *block, const QuantTable &quant)
{
    constexpr std::int64_t c1 = 29692;
    constexpr std::int64_t c3 = 10426;
    constexpr std::int64_t c5 = 6967;
    constexpr std::int64_t c7 = 5906;
    const auto descale = [](std::int64_t x, int n) {
        return (x + (std::int64_t{1} << (n - 1))) >> n;
    };
    const auto odd = [](std::int64_t one, std::int64_t three, std::int64_t five,
                        std::int64_t seven) {
        return c1 * one - c3 * three + c5 * five - c7 * seven;
    };
    const auto at = [&](int row, int column) {
        const std::size_t i = std::size_t(row * 8 + column);
        return std::int64_t{block[i]} * quant[i];
    };
    std::array<std::array<std::int64_t, 8>, 2> work{};
    for (const int column : {0, 1, 3, 5, 7}) {
        const std::int64_t even = at(0, column) * (std::int64_t{1} << 15);
        const std::int64_t sum = odd(at(1, column), at(3, column), at(5, column), at(7, column));
        work[0][std::size_t(column)] = descale(even + sum, 13);
        work[1][std::size_t(column)] = descale(even - sum, 13);
    }
    std::array<std::uint8_t, 4> samples{};
    for (std::size_t row = 0; row < 2; ++row) {
        const std::array<std::int64_t, 8> &w = work[row];
        const std::int64_t even = w[0] * (std::int64_t{1} << 15);
        const std::int64_t sum = odd(w[1], w[3], w[5], w[7]);
        samples[row * 2] =
            std::uint8_t(std::clamp<std::int64_t>(descale(even + sum, 20) + 128, 0, 255));
        samples[row * 2 + 1] =
            std::uint8_t(std::clamp<std::int64_t>(descale(even - sum, 20) + 128, 0, 255));
    }
    return samples;
}

class DcDecoder {
public:
    DcDecoder(ByteSource &source, HalvedChroma chroma) : m_source(source), m_chroma(chroma) {}

    std::optional<RgbImage> Run()
    {
        if (m_source.Next() != 0xFF || m_source.Next() != soi)
            return std::nullopt;
        int scans = 0;
        int marker = ReadMarker();
        for (;;) {
            if (marker < 0 || IsForeignFrameMarker(marker) || marker == soi || IsRestart(marker))
                return std::nullopt;
            if (marker == eoi)
                break;
            if (marker == sos) {
                if (++scans > maxScans)
                    return std::nullopt;
                marker = Scan();
                continue;
            }
            if (!Segment(marker))
                return std::nullopt;
            marker = ReadMarker();
        }
        if (m_components.empty())
            return std::nullopt;
        for (const Component &component : m_components)
            if (component.knownFromBit < 0)
                return std::nullopt;
        return Picture();
    }

private:
    int ReadMarker()
    {
        int code = m_source.Next();
        if (code != 0xFF)
            return -1;
        while (code == 0xFF)
            code = m_source.Next();
        return code;
    }

    bool ReadPayload(std::vector<std::uint8_t> &payload)
    {
        const int high = m_source.Next();
        const int low = m_source.Next();
        if (high < 0 || low < 0)
            return false;
        const int length = (high << 8) | low;
        if (length < 2)
            return false;
        payload.resize(std::size_t(length - 2));
        for (std::uint8_t &byte : payload) {
            const int next = m_source.Next();
            if (next < 0)
                return false;
            byte = std::uint8_t(next);
        }
        return true;
    }

    bool SkipPayload()
    {
        const int high = m_source.Next();
        const int low = m_source.Next();
        if (high < 0 || low < 0)
            return false;
        const int length = (high << 8) | low;
        return length >= 2 && m_source.Skip(std::size_t(length - 2));
    }

    bool Segment(int marker)
    {
        switch (marker) {
        case sofProgressiveHuffman:
        case dqt:
        case dht:
        case dri:
        case app0:
        case app14:
            break;
        default:
            // libjpeg refuses markers it does not know.
            if ((marker >= 0xE0 && marker <= 0xEF) || marker == 0xFE)
                return SkipPayload();
            return false;
        }
        std::vector<std::uint8_t> payload;
        if (!ReadPayload(payload))
            return false;
        switch (marker) {
        case sofProgressiveHuffman:
            return Frame(payload);
        case dqt:
            return QuantTables(payload);
        case dht:
            return HuffmanTables(payload);
        case dri:
            if (payload.size() != 2)
                return false;
            m_restartInterval = (payload[0] << 8) | payload[1];
            return true;
        case app0:
            if (payload.size() >= 5 && std::memcmp(payload.data(), "JFIF", 5) == 0)
                m_jfif = true;
            return true;
        default:
            // Adobe's segment says how the components are stored; libjpeg reads that.
            return !(payload.size() >= 5 && std::memcmp(payload.data(), "Adobe", 5) == 0);
        }
    }

    bool Frame(const std::vector<std::uint8_t> &p)
    {
        if (!m_components.empty() || p.size() < 6 || p[0] != 8)
            return false;
        m_height = (p[1] << 8) | p[2];
        m_width = (p[3] << 8) | p[4];
        const int count = p[5];
        if (m_width <= 0 || m_height <= 0 || m_width > maxDimension || m_height > maxDimension ||
            std::uint64_t(m_width) * std::uint64_t(m_height) > maxPicturePixels)
            return false;
        if ((count != 1 && count != 3) || p.size() != std::size_t(6 + 3 * count))
            return false;
        m_components.resize(std::size_t(count));
        for (int i = 0; i < count; ++i) {
            Component &component = m_components[std::size_t(i)];
            component.id = p[std::size_t(6 + 3 * i)];
            component.h = p[std::size_t(7 + 3 * i)] >> 4;
            component.v = p[std::size_t(7 + 3 * i)] & 15;
            component.table = p[std::size_t(8 + 3 * i)];
            if (component.h < 1 || component.h > 4 || component.v < 1 || component.v > 4 ||
                component.table > 3)
                return false;
            m_maxH = std::max(m_maxH, component.h);
            m_maxV = std::max(m_maxV, component.v);
        }
        if (count == 3 && !m_jfif && m_components[0].id == 'R' && m_components[1].id == 'G' &&
            m_components[2].id == 'B')
            return false;
        const int mcusWide = CeilDiv(m_width, 8 * m_maxH);
        const int mcusHigh = CeilDiv(m_height, 8 * m_maxV);
        for (Component &component : m_components) {
            // libjpeg cannot scale by a fraction either.
            if (m_maxH % component.h != 0 || m_maxV % component.v != 0)
                return false;
            component.blocksWide = CeilDiv(CeilDiv(m_width * component.h, m_maxH), 8);
            component.blocksHigh = CeilDiv(CeilDiv(m_height * component.v, m_maxV), 8);
            component.stride = mcusWide * component.h;
            component.needsAc = m_chroma == HalvedChroma::exact && IsHalvedBothWays(component);
            try {
                component.dc.assign(std::size_t(component.stride) * mcusHigh * component.v, 0);
                if (component.needsAc)
                    component.ac.assign(std::size_t(component.blocksWide) *
                                            std::size_t(component.blocksHigh) * 64,
                                        0);
            } catch (const std::bad_alloc &) {
                return false;
            }
        }
        return true;
    }

    bool QuantTables(const std::vector<std::uint8_t> &p)
    {
        std::size_t at = 0;
        while (at < p.size()) {
            const int precision = p[at] >> 4;
            const int index = p[at] & 15;
            const std::size_t size = precision == 0 ? 64 : 128;
            if (precision > 1 || index > 3 || p.size() - at - 1 < size)
                return false;
            QuantTable &table = m_quant[std::size_t(index)];
            for (std::size_t k = 0; k < 64; ++k)
                table[std::size_t(naturalOrder[k])] =
                    precision == 0 ? p[at + 1 + k] : (p[at + 1 + 2 * k] << 8) | p[at + 2 + 2 * k];
            m_quantDefined[std::size_t(index)] = true;
            at += 1 + size;
        }
        return true;
    }

    bool HuffmanTables(const std::vector<std::uint8_t> &p)
    {
        std::size_t at = 0;
        while (at < p.size()) {
            if (p.size() - at < 17)
                return false;
            const int kind = p[at] >> 4;
            const int index = p[at] & 15;
            if (kind > 1 || index > 3)
                return false;
            int count = 0;
            for (int i = 0; i < 16; ++i)
                count += p[at + 1 + std::size_t(i)];
            if (count > 256 || p.size() - at - 17 < std::size_t(count))
                return false;
            HuffmanTable &table =
                kind == 0 ? m_dcTables[std::size_t(index)] : m_acTables[std::size_t(index)];
            if (!table.Define(&p[at + 1], &p[at + 17], count, kind == 0))
                return false;
            at += 17 + std::size_t(count);
        }
        return true;
    }

    // Decodes the scan if it carries DC bits, skips it otherwise; returns the marker after it.
    int Scan()
    {
        std::vector<std::uint8_t> p;
        if (m_components.empty() || !ReadPayload(p) || p.empty())
            return -1;
        const int count = p[0];
        if (count < 1 || count > int(m_components.size()) || p.size() != std::size_t(4 + 2 * count))
            return -1;
        std::vector<Component *> members;
        std::vector<const HuffmanTable *> tables;
        int acTable = 0;
        int blocksPerMcu = 0;
        for (int i = 0; i < count; ++i) {
            const int id = p[std::size_t(1 + 2 * i)];
            const auto found = std::find_if(m_components.begin(), m_components.end(),
                                            [id](const Component &c) { return c.id == id; });
            if (found == m_components.end() ||
                std::find(members.begin(), members.end(), &*found) != members.end())
                return -1;
            const int dcTable = p[std::size_t(2 + 2 * i)] >> 4;
            acTable = p[std::size_t(2 + 2 * i)] & 15;
            if (dcTable > 3 || acTable > 3)
                return -1;
            members.push_back(&*found);
            tables.push_back(&m_dcTables[std::size_t(dcTable)]);
            blocksPerMcu += found->h * found->v;
        }
        const int first = p[std::size_t(1 + 2 * count)];
        const int last = p[std::size_t(2 + 2 * count)];
        const int high = p[std::size_t(3 + 2 * count)] >> 4;
        const int low = p[std::size_t(3 + 2 * count)] & 15;
        if (high > 13 || low > 13 || (high != 0 && low != high - 1))
            return -1;
        if (first != 0) {
            Component &member = *members.front();
            const HuffmanTable &table = m_acTables[std::size_t(acTable)];
            if (last < first || last > 63 || count != 1 || !table.defined || !Latch(member))
                return -1;
            // Elsewhere AC coefficients do not change a block's mean: their data is passed over.
            if (!member.needsAc)
                return m_source.SkipToMarker();
            EntropyBits bits(m_source);
            const Band band{first, last, low};
            if (!AcScan(bits, member, table, band, high != 0))
                return -1;
            return bits.TakeMarker();
        }
        if (last != 0 || (count > 1 && blocksPerMcu > 10))
            return -1;
        for (std::size_t i = 0; i < members.size(); ++i) {
            Component &member = *members[i];
            if (high == 0 ? member.knownFromBit >= 0 : member.knownFromBit != high)
                return -1;
            if (high == 0 && !tables[i]->defined)
                return -1;
            if (!Latch(member))
                return -1;
            member.knownFromBit = low;
        }
        EntropyBits bits(m_source);
        if (!DcScan(bits, members, tables, high != 0, low))
            return -1;
        return bits.TakeMarker();
    }

    // A component keeps the quantisation table it had in its first scan, as in libjpeg.
    bool Latch(Component &component)
    {
        if (!component.quantLatched) {
            if (!m_quantDefined[std::size_t(component.table)])
                return false;
            component.quant = m_quant[std::size_t(component.table)];
            component.quantLatched = true;
        }
        return true;
    }

    // Each block of the component on its own, as non-interleaved scans have them.
    bool AcScan(EntropyBits &bits, Component &member, const HuffmanTable &table, const Band &band,
                bool refine) const
    {
        int endOfBands = 0;
        RestartMarkers restarts(m_restartInterval);
        for (int y = 0; y < member.blocksHigh; ++y) {
            for (int x = 0; x < member.blocksWide; ++x) {
                bool restarted = false;
                if (!restarts.BeforeUnit(bits, restarted))
                    return false;
                if (restarted)
                    endOfBands = 0;
                std::int16_t *block =
                    &member.ac[(std::size_t(y) * std::size_t(member.blocksWide) + std::size_t(x)) *
                               64];
                if (!(refine ? RefineAc(bits, table, band, block, endOfBands)
                             : FirstAc(bits, table, band, block, endOfBands)))
                    return false;
            }
        }
        return true;
    }

    bool DcScan(EntropyBits &bits, const std::vector<Component *> &members,
                const std::vector<const HuffmanTable *> &tables, bool refine, int low) const
    {
        const bool interleaved = members.size() > 1;
        const int mcusWide =
            interleaved ? CeilDiv(m_width, 8 * m_maxH) : members.front()->blocksWide;
        const int mcusHigh =
            interleaved ? CeilDiv(m_height, 8 * m_maxV) : members.front()->blocksHigh;
        std::array<std::int64_t, 4> predictions{};
        RestartMarkers restarts(m_restartInterval);
        for (int my = 0; my < mcusHigh; ++my) {
            for (int mx = 0; mx < mcusWide; ++mx) {
                bool restarted = false;
                if (!restarts.BeforeUnit(bits, restarted))
                    return false;
                if (restarted)
                    predictions.fill(0);
                for (std::size_t i = 0; i < members.size(); ++i) {
                    Component &member = *members[i];
                    const int across = interleaved ? member.h : 1;
                    const int down = interleaved ? member.v : 1;
                    for (int by = 0; by < down; ++by) {
                        for (int bx = 0; bx < across; ++bx) {
                            const std::size_t at =
                                std::size_t(my * down + by) * std::size_t(member.stride) +
                                std::size_t(mx * across + bx);
                            std::int16_t &value = member.dc[at];
                            if (refine) {
                                const int bit = bits.Bit();
                                if (bit < 0)
                                    return false;
                                if (bit)
                                    value = std::int16_t(value | (1 << low));
                                continue;
                            }
                            const int category = tables[i]->Decode(bits);
                            if (category < 0)
                                return false;
                            int difference = 0;
                            if (category > 0) {
                                const int raw = bits.Bits(category);
                                if (raw < 0)
                                    return false;
                                difference =
                                    raw < (1 << (category - 1)) ? raw - (1 << category) + 1 : raw;
                            }
                            predictions[i] += difference;
                            value = std::int16_t(predictions[i] * (std::int64_t{1} << low));
                        }
                    }
                }
            }
        }
        return true;
    }

    // Each block's mean as libjpeg's one-pixel inverse DCT gives it.
    bool IsHalvedBothWays(const Component &component) const
    {
        return m_components.size() == 3 && m_maxH / component.h == 2 && m_maxV / component.v == 2;
    }

    static std::vector<std::uint8_t> Samples(const Component &component)
    {
        std::vector<std::uint8_t> samples(std::size_t(component.blocksWide) *
                                          std::size_t(component.blocksHigh));
        for (int y = 0; y < component.blocksHigh; ++y)
            for (int x = 0; x < component.blocksWide; ++x) {
                const std::int64_t value =
                    component.dc[std::size_t(y) * std::size_t(component.stride) + std::size_t(x)];
                const std::int64_t level = ((value * component.quant[0] + 4) >> 3) + 128;
                samples[std::size_t(y) * std::size_t(component.blocksWide) + std::size_t(x)] =
                    std::uint8_t(std::clamp<std::int64_t>(level, 0, 255));
            }
        return samples;
    }

    // At one eighth libjpeg gives each block one sample and repeats them to the full sampling,
    // except for a component halved both ways, whose blocks give 2x2 samples from a reduced
    // inverse DCT, each where the luma block beside it is.
    static std::vector<std::uint8_t> HalvedPlane(const Component &component, int width, int height)
    {
        const int samplesWide = 2 * component.blocksWide;
        const int samplesHigh = 2 * component.blocksHigh;
        std::vector<std::uint8_t> samples(std::size_t(samplesWide) * std::size_t(samplesHigh));
        std::array<std::int16_t, 64> block{};
        for (int y = 0; y < component.blocksHigh; ++y)
            for (int x = 0; x < component.blocksWide; ++x) {
                const std::size_t at =
                    std::size_t(y) * std::size_t(component.blocksWide) + std::size_t(x);
                std::copy_n(&component.ac[at * 64], 64, block.begin());
                block[0] =
                    component.dc[std::size_t(y) * std::size_t(component.stride) + std::size_t(x)];
                const std::array<std::uint8_t, 4> square =
                    InverseDct2x2(block.data(), component.quant);
                for (std::size_t i = 0; i < 4; ++i)
                    samples[std::size_t(2 * y + int(i / 2)) * std::size_t(samplesWide) +
                            std::size_t(2 * x + int(i % 2))] = square[i];
            }
        return Repeated(samples, samplesWide, samplesHigh, 1, 1, width, height);
    }

    // Each sample repeated ratioX x ratioY times, cut to width x height.
    static std::vector<std::uint8_t> Repeated(const std::vector<std::uint8_t> &samples,
                                              int samplesWide, int samplesHigh, int ratioX,
                                              int ratioY, int width, int height)
    {
        std::vector<std::uint8_t> plane(std::size_t(width) * std::size_t(height));
        for (int y = 0; y < height; ++y) {
            const std::uint8_t *row = &samples[std::size_t(std::min(y / ratioY, samplesHigh - 1)) *
                                               std::size_t(samplesWide)];
            std::uint8_t *out = &plane[std::size_t(y) * std::size_t(width)];
            for (int x = 0; x < width; ++x)
                out[x] = row[std::min(x / ratioX, samplesWide - 1)];
        }
        return plane;
    }

    // Between neighbouring block means (3:1), closer on photos than repeating the mean.
    static std::vector<std::uint8_t> EstimatedHalvedPlane(const Component &component, int width,
                                                          int height)
    {
        const std::vector<std::uint8_t> samples = Samples(component);
        const auto near = [](int out, int count) { return std::min(out / 2, count - 1); };
        const auto far = [](int out, int count) {
            const int nearest = std::min(out / 2, count - 1);
            return std::clamp(out % 2 == 0 ? nearest - 1 : nearest + 1, 0, count - 1);
        };
        const auto at = [&](int x, int y) {
            return int(
                samples[std::size_t(y) * std::size_t(component.blocksWide) + std::size_t(x)]);
        };
        std::vector<std::uint8_t> plane(std::size_t(width) * std::size_t(height));
        for (int y = 0; y < height; ++y) {
            const int nearY = near(y, component.blocksHigh);
            const int farY = far(y, component.blocksHigh);
            std::uint8_t *out = &plane[std::size_t(y) * std::size_t(width)];
            for (int x = 0; x < width; ++x) {
                const int nearX = near(x, component.blocksWide);
                const int farX = far(x, component.blocksWide);
                out[x] = std::uint8_t((9 * at(nearX, nearY) + 3 * at(farX, nearY) +
                                       3 * at(nearX, farY) + at(farX, farY) + 8) >>
                                      4);
            }
        }
        return plane;
    }

    std::vector<std::uint8_t> Plane(const Component &component, int width, int height) const
    {
        if (component.needsAc)
            return HalvedPlane(component, width, height);
        if (IsHalvedBothWays(component))
            return EstimatedHalvedPlane(component, width, height);
        return Repeated(Samples(component), component.blocksWide, component.blocksHigh,
                        m_maxH / component.h, m_maxV / component.v, width, height);
    }

    std::optional<RgbImage> Picture() const
    {
        RgbImage image;
        image.width = CeilDiv(m_width, 8);
        image.height = CeilDiv(m_height, 8);
        const std::size_t pixels = std::size_t(image.width) * std::size_t(image.height);
        try {
            image.rgb.resize(pixels * 3);
            if (m_components.size() == 1) {
                const std::vector<std::uint8_t> grey =
                    Plane(m_components[0], image.width, image.height);
                for (std::size_t i = 0; i < pixels; ++i)
                    std::fill_n(&image.rgb[i * 3], 3, grey[i]);
                return image;
            }
            const std::vector<std::uint8_t> luma =
                Plane(m_components[0], image.width, image.height);
            const std::vector<std::uint8_t> blue =
                Plane(m_components[1], image.width, image.height);
            const std::vector<std::uint8_t> red = Plane(m_components[2], image.width, image.height);
            for (std::size_t i = 0; i < pixels; ++i)
                ToRgb(luma[i], blue[i], red[i], &image.rgb[i * 3]);
        } catch (const std::bad_alloc &) {
            return std::nullopt;
        }
        return image;
    }

    // libjpeg's fixed-point YCbCr conversion, so that pictures without subsampling match it.
    static void ToRgb(int y, int cb, int cr, std::uint8_t *rgb)
    {
        constexpr int scale = 16;
        constexpr std::int32_t half = std::int32_t{1} << (scale - 1);
        constexpr auto fix = [](double x) { return std::int32_t(x * (1 << scale) + 0.5); };
        const std::int32_t b = cb - 128;
        const std::int32_t r = cr - 128;
        const int red = y + int((fix(1.40200) * r + half) >> scale);
        const int green = y + int((-fix(0.34414) * b + half - fix(0.71414) * r) >> scale);
        const int blue = y + int((fix(1.77200) * b + half) >> scale);
        rgb[0] = std::uint8_t(std::clamp(red, 0, 255));
        rgb[1] = std::uint8_t(std::clamp(green, 0, 255));
        rgb[2] = std::uint8_t(std::clamp(blue, 0, 255));
    }

    ByteSource &m_source;
    HalvedChroma m_chroma;
    std::vector<Component> m_components;
    std::array<HuffmanTable, 4> m_dcTables{};
    std::array<HuffmanTable, 4> m_acTables{};
    std::array<QuantTable, 4> m_quant{};
    std::array<bool, 4> m_quantDefined{};
    int m_restartInterval = 0;
    bool m_jfif = false;
    int m_width = 0;
    int m_height = 0;
    int m_maxH = 1;
    int m_maxV = 1;
};

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

JpegDecodeResult Upright(RgbImage &&stored, int orientation)
{
    JpegDecodeResult result;
    result.image = orientation == 1 ? std::move(stored) : OrientImage(stored, orientation);
    return result;
}

} // namespace

std::optional<RgbImage> DecodeProgressiveDc(std::string_view jpeg, HalvedChroma chroma)
{
    ByteSource source(jpeg);
    return DcDecoder(source, chroma).Run();
}

std::optional<RgbImage> DecodeProgressiveDcFile(const std::filesystem::path &path,
                                                HalvedChroma chroma)
{
    const std::unique_ptr<std::FILE, FileCloser> file(
        IsRegularFile(path) ? std::fopen(path.c_str(), "rb") : nullptr);
    if (!file)
        return std::nullopt;
    ByteSource source(file.get());
    return DcDecoder(source, chroma).Run();
}

JpegDecodeResult DecodeDisplayedJpegFileAtEighth(const std::filesystem::path &path)
{
    std::optional<RgbImage> small = DecodeProgressiveDcFile(path, HalvedChroma::estimated);
    if (!small)
        return DecodeDisplayedJpegFile(path, JpegScale::eighth);
    return Upright(std::move(*small), ReadExifOrientation(path));
}

JpegDecodeResult DecodeDisplayedJpegFileToShrink(const std::filesystem::path &path, JpegScale scale,
                                                 int orientation, bool dcDecode)
{
    if (dcDecode && scale == JpegScale::eighth) {
        if (std::optional<RgbImage> small = DecodeProgressiveDcFile(path))
            return Upright(std::move(*small), orientation);
    }
    return DecodeDisplayedJpegFile(path, scale, orientation);
}

} // namespace pagoranto
