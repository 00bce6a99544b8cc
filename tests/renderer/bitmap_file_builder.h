#pragma once

// Composes Windows bitmap file bytes for tests and writes them to real files.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

struct BitmapFileBuilder {
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = 0;
    std::uint32_t infoHeaderSize = 40; // larger sizes add zero bytes after the 40
    // Colour table bytes (blue, green, red, 0 per entry) between header and pixels.
    std::vector<std::uint8_t> colourTable;
    // Rows as stored in the file, first stored row first, each without
    // padding; padding bytes are added as file rows need them.
    std::vector<std::vector<std::uint8_t>> storedRows;

    static void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    static void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
        put16(out, v & 0xFFFF);
        put16(out, v >> 16);
    }
    // The table the shipped 8-bit pictures carry: entry i is grey level i.
    static std::vector<std::uint8_t> greyRamp() {
        std::vector<std::uint8_t> table;
        for (int i = 0; i < 256; ++i) {
            const auto grey = static_cast<std::uint8_t>(i);
            table.insert(table.end(), {grey, grey, grey, 0});
        }
        return table;
    }

    static void poke32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }

    std::vector<std::uint8_t> bytes() const {
        const auto table = static_cast<std::uint32_t>(colourTable.size());
        const std::uint32_t offset = 14 + infoHeaderSize + table;
        std::vector<std::uint8_t> pixelData;
        for (const auto& row : storedRows) {
            pixelData.insert(pixelData.end(), row.begin(), row.end());
            while (pixelData.size() % 4 != 0)
                pixelData.push_back(0xEE);
        }
        std::vector<std::uint8_t> out{'B', 'M'};
        put32(out, static_cast<std::uint32_t>(offset + pixelData.size()));
        put32(out, 0);
        put32(out, offset);
        put32(out, infoHeaderSize);
        put32(out, static_cast<std::uint32_t>(width));
        put32(out, static_cast<std::uint32_t>(height));
        put16(out, 1);
        put16(out, bitsPerPixel);
        put32(out, compression);
        put32(out, static_cast<std::uint32_t>(pixelData.size()));
        put32(out, 2835);
        put32(out, 2835);
        put32(out, table / 4);
        put32(out, 0);
        out.resize(14 + infoHeaderSize, 0);
        out.insert(out.end(), colourTable.begin(), colourTable.end());
        out.insert(out.end(), pixelData.begin(), pixelData.end());
        return out;
    }
};

// A file in the temporary folder, removed when the object goes.
class TempFile {
  public:
    // Names carry a per-process token: several build trees may run these
    // tests at the same time in the same temporary folder.
    explicit TempFile(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("kalendra_texture_test_" + processToken() + "_" + name)) {}
    TempFile(const std::string& name, const std::vector<std::uint8_t>& bytes) : TempFile(name) {
        write(bytes);
    }
    ~TempFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void write(const std::vector<std::uint8_t>& bytes) const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::string path() const { return path_.string(); }

  private:
    static const std::string& processToken() {
        static const std::string token = std::to_string(std::random_device{}());
        return token;
    }
    std::filesystem::path path_;
};
