// Writes the seed corpora for the fuzz targets: make_seeds <corpus folder>.
// Bitmaps: valid 8-, 24- and 32-bit files, bottom-up and top-down, and a few
// broken ones. INI texts: settings files as the host writes them and odd ones.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void poke32(Bytes& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A bitmap whose pixel bytes follow a simple pattern; 8-bit files carry a
// grey-ramp colour table.
Bytes bitmap(std::int32_t width, std::int32_t height, std::uint16_t bits,
             std::uint32_t infoSize = 40) {
    const std::uint32_t table = bits == 8 ? 1024 : 0;
    const std::uint32_t rows = static_cast<std::uint32_t>(height < 0 ? -height : height);
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * (bits / 8u) + 3) / 4 * 4;
    const std::uint32_t offset = 14 + infoSize + table;
    Bytes out{'B', 'M'};
    put32(out, offset + stride * rows);
    put32(out, 0);
    put32(out, offset);
    put32(out, infoSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, bits);
    put32(out, 0);
    put32(out, stride * rows);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, table / 4);
    put32(out, 0);
    out.resize(14 + infoSize, 0);
    for (std::uint32_t i = 0; i < table / 4; ++i)
        out.insert(out.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                               static_cast<std::uint8_t>(i), 0});
    for (std::uint32_t i = 0; i < stride * rows; ++i)
        out.push_back(static_cast<std::uint8_t>(i * 7 + i / stride));
    return out;
}

bool write(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool write(const std::string& path, const std::string& text) {
    return write(path, Bytes(text.begin(), text.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <corpus folder>\n");
        return 2;
    }
    const std::string bmp = std::string(argv[1]) + "/bitmap/";
    const std::string ini = std::string(argv[1]) + "/ini/";
    bool ok = true;

    ok &= write(bmp + "grey_64x64.bmp", bitmap(64, 64, 8));
    ok &= write(bmp + "grey_5x3_padded.bmp", bitmap(5, 3, 8));
    ok &= write(bmp + "rgb_3x2.bmp", bitmap(3, 2, 24));
    ok &= write(bmp + "rgb_2x3_top_down.bmp", bitmap(2, -3, 24));
    ok &= write(bmp + "rgba_4x4.bmp", bitmap(4, 4, 32));
    ok &= write(bmp + "rgba_3x2_top_down.bmp", bitmap(3, -2, 32));
    ok &= write(bmp + "rgb_v5_header.bmp", bitmap(3, 3, 24, 124));

    Bytes broken = bitmap(3, 2, 24);
    broken.resize(broken.size() - 1);
    ok &= write(bmp + "broken_short_data.bmp", broken);
    ok &= write(bmp + "broken_short_header.bmp", Bytes(broken.begin(), broken.begin() + 30));
    broken = bitmap(3, 2, 24);
    poke32(broken, 30, 1);
    ok &= write(bmp + "broken_compressed.bmp", broken);
    broken = bitmap(4, 2, 16);
    ok &= write(bmp + "broken_16_bit.bmp", broken);
    broken = bitmap(3, 2, 24);
    poke32(broken, 18, static_cast<std::uint32_t>(-3));
    ok &= write(bmp + "broken_negative_width.bmp", broken);
    broken = bitmap(3, 2, 24);
    poke32(broken, 22, 0x80000000);
    ok &= write(bmp + "broken_int_min_height.bmp", broken);
    broken = bitmap(3, 2, 24);
    poke32(broken, 10, 0xFFFFFF00);
    ok &= write(bmp + "broken_offset_past_end.bmp", broken);
    broken = bitmap(3, 2, 24);
    poke32(broken, 18, 16384);
    poke32(broken, 22, 16384);
    ok &= write(bmp + "broken_claims_gigabyte.bmp", broken);

    // The music key names are code-page-932 bytes, as the host writes them.
    const std::string bgmKind = "BGM\x8b\xe6\x95\xaa";
    const std::string bgmRepeat = "BGM\xd8\xcb\xdf\xb0\xc4";
    ok &= write(ini + "settings.ini", "[Settings]\r\nNum= 5\r\nNum100= 500\r\n" + bgmKind +
                                          "= 2\r\n" + bgmRepeat +
                                          "= 1\r\nBGM\xcc\xa7\xb2\xd9=C:\\music.mp3\r\n"
                                          "Width= 1920\r\nHeight= 1080\r\n");
    ok &= write(ini + "odd_values.ini", "; comment\n[ settings ]\n num100 = \"0x1F\" \n"
                                        "Num=-2147483648\nBare\n[Other]\nNum100=9\n");
    const char named[] = "Other\0Key\0[other]\nkey=0b101\n";
    ok &= write(ini + "named_section.txt", std::string(named, sizeof named - 1));
    ok &= write(ini + "long_number.ini", "[Settings]\nNum100=                         "
                                         "  123456789012345678901234567890\n");
    ok &= write(ini + "unterminated.ini", "[Settings\nNum100=42");

    if (!ok) {
        std::fprintf(stderr, "make_seeds: could not write the corpus under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
