// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "IconFixtures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

namespace sorvale::test {
namespace {

constexpr int kSide = 128;

void appendBigEndian(std::string& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

std::uint32_t crc32(std::string_view bytes) {
    static const auto kTable = [] {
        std::array<std::uint32_t, 256> table{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            }
            table[n] = c;
        }
        return table;
    }();
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        crc = kTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFU;
}

void appendChunk(std::string& png, std::string_view type, const std::string& data) {
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type) + data;
    png += typed;
    appendBigEndian(png, crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string zlibStored(const std::string& data) {
    std::string stream{'\x78', '\x01'};
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min<std::size_t>(65535, data.size() - offset);
        const bool last = offset + length == data.size();
        stream.push_back(last ? '\x01' : '\x00');
        const auto stored = static_cast<std::uint32_t>(length);
        for (const std::uint32_t value : {stored, ~stored & 0xFFFF}) {
            stream.push_back(static_cast<char>(value & 0xFF));
            stream.push_back(static_cast<char>((value >> 8) & 0xFF));
        }
        stream.append(data, offset, length);
        offset += length;
    } while (offset < data.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char byte : data) {
        a = (a + static_cast<unsigned char>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    appendBigEndian(stream, (b << 16) | a);
    return stream;
}

// How much of the pixel at (x, y) lies inside the rounded square.
double squareCoverage(double x, double y) {
    constexpr double kInset = 8;
    constexpr double kRadius = 26;
    const double half = kSide / 2.0 - kInset;
    const double dx = std::max(std::abs(x - kSide / 2.0) - (half - kRadius), 0.0);
    const double dy = std::max(std::abs(y - kSide / 2.0) - (half - kRadius), 0.0);
    return std::clamp(kRadius + 0.5 - std::hypot(dx, dy), 0.0, 1.0);
}

} // namespace

std::string iconPng(Rgb top, Rgb bottom) {
    std::string pixels;
    for (int y = 0; y < kSide; ++y) {
        pixels.push_back('\0'); // no filter
        const double t = y / double(kSide - 1);
        for (int x = 0; x < kSide; ++x) {
            const double cx = x + 0.5;
            const double cy = y + 0.5;
            const double disc =
                std::clamp(28.5 - std::hypot(cx - kSide / 2.0, cy - kSide / 2.0), 0.0, 1.0) * 0.9;
            for (const int shift : {16, 8, 0}) {
                const double shade =
                    (1 - t) * ((top >> shift) & 0xFF) + t * ((bottom >> shift) & 0xFF);
                pixels.push_back(static_cast<char>(std::lround(shade * (1 - disc) + 255 * disc)));
            }
            pixels.push_back(static_cast<char>(std::lround(255 * squareCoverage(cx, cy))));
        }
    }
    std::string header;
    appendBigEndian(header, kSide);
    appendBigEndian(header, kSide);
    header += std::string{'\x08', '\x06', '\0', '\0', '\0'}; // 8-bit RGBA, no interlace
    std::string png = "\x89PNG\r\n\x1A\n";
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zlibStored(pixels));
    appendChunk(png, "IEND", "");
    return png;
}

std::string icns(const std::string& png) {
    std::string file = "icns";
    appendBigEndian(file, static_cast<std::uint32_t>(16 + png.size()));
    file += "ic07";
    appendBigEndian(file, static_cast<std::uint32_t>(8 + png.size()));
    return file + png;
}

void applicationIcon(FixtureTree& tree, const std::filesystem::path& bundle, Rgb top, Rgb bottom) {
    std::ofstream(tree.file(bundle / "Contents/Resources/AppIcon.icns"), std::ios::binary)
        << icns(iconPng(top, bottom));
}

} // namespace sorvale::test
