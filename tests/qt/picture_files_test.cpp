#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include <sys/file.h>
#include <sys/stat.h>

#include "platform/picture_files.h"
#include "platform/plain_file.h"
#include "platform/qt/picture_image.h"
#include "support/headless_work_dir.h"
#include "support/pixel_art.h"

namespace tarnwick::test {
namespace {

std::string bytesOf(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& fileName, const std::string& bytes) {
    std::ofstream(fileName, std::ios::binary) << bytes;
}

void putLe32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Odd width: every row carries padding.
Picture sample() {
    Picture p(5, 3);
    const std::uint32_t colours[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0xC0C0C0, 0x7C00};
    for (std::size_t i = 0; i < p.pixels.size(); ++i) p.pixels[i] = colours[i % 8] ^ static_cast<std::uint32_t>(i);
    return p;
}

class PictureFiles : public ::testing::Test {
protected:
    TempWorkDir dir;
};

// A save's temporary is written where it is: the file its maker holds locked
// gets the picture, and no other run can take the lock meanwhile. A name of
// that form the running user has not made is not written.
TEST_F(PictureFiles, ATemporaryIsWrittenInPlaceUnderItsMakersLock) {
    std::string temporary;
    const FileHandle held = createTemporaryBeside("castle.bmp", temporary);
    ASSERT_TRUE(held);
    struct stat before {};
    ASSERT_EQ(::fstat(held.fd(), &before), 0);
    ASSERT_TRUE(savePictureFile(sample(), temporary));
    struct stat named {};
    ASSERT_EQ(::stat(temporary.c_str(), &named), 0);
    EXPECT_EQ(named.st_ino, before.st_ino) << "replaced, and so unlocked";
    EXPECT_FALSE(lockByName(temporary)) << "another run could take it";
    EXPECT_EQ(loadPictureFile(temporary), sample());
    EXPECT_FALSE(savePictureFile(sample(), ".tarnwick-Absent"));
    EXPECT_FALSE(std::filesystem::exists(".tarnwick-Absent"));
}

TEST_F(PictureFiles, RoundTripIsExactAndRepeatable) {
    const Picture picture = sample();
    ASSERT_TRUE(savePictureFile(picture, "drawing1.bmp"));
    const auto loaded = loadPictureFile("drawing1.bmp");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, picture);

    ASSERT_TRUE(savePictureFile(*loaded, "drawing2.bmp"));
    EXPECT_EQ(bytesOf("drawing1.bmp"), bytesOf("drawing2.bmp"));

    const std::string bytes = bytesOf("drawing1.bmp");
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << "bits per pixel";
}

// The program writes its BMP files itself, row by row: byte for byte what Qt's
// encoder makes of the same picture, for odd widths (every row padded
// differently), widths with no padding, a single pixel, and pictures that take
// several chunks, full ones too.
TEST_F(PictureFiles, WrittenBytesAreQtsEncodersBytes) {
    const struct {
        int width, height;
    } sizes[] = {{1, 1}, {2, 3}, {3, 2}, {4, 3}, {5, 3}, {7, 5}, {1, 9}, {333, 211}, {1024, 70}};
    for (const auto& size : sizes) {
        Picture picture(size.width, size.height);
        std::uint32_t colour = 0x9E3779B9u;  // high bits set too: they are no colour
        for (std::uint32_t& pixel : picture.pixels) pixel = colour = colour * 1664525u + 1013904223u;
        QByteArray expected;
        QBuffer buffer(&expected);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(imageOf(picture).save(&buffer, "BMP"));
        ASSERT_TRUE(savePictureFile(picture, "written.bmp"));
        EXPECT_EQ(bytesOf("written.bmp"), expected.toStdString()) << size.width << "x" << size.height;
    }
}

TEST_F(PictureFiles, OtherKindsOfBmpLoad) {
    // 8-bit and 1-bit with a palette, as other programs write them.
    QImage indexed(3, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(18, 52, 86)});
    const int indices[2][3] = {{0, 1, 2}, {2, 1, 0}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) indexed.setPixel(x, y, static_cast<uint>(indices[y][x]));
    ASSERT_TRUE(indexed.save("indexed.bmp", "BMP"));
    Picture expected(3, 2);
    expected.pixels = {0x0000FF, 0xFF0000, 0x563412, 0x563412, 0xFF0000, 0x0000FF};
    EXPECT_EQ(loadPictureFile("indexed.bmp"), expected);

    QImage mono(9, 2, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    // Qt's fill leaves each line's padding as allocated, and its writer writes it out.
    std::fill(mono.bits(), mono.bits() + mono.sizeInBytes(), 0);
    mono.fill(1);
    mono.setPixel(8, 1, 0);
    ASSERT_TRUE(mono.save("mono.bmp", "BMP"));
    Picture white(9, 2, 0xFFFFFF);
    white.at(8, 1) = 0;
    EXPECT_EQ(loadPictureFile("mono.bmp"), white);

    // Rows stored top-down: a negative height.
    ASSERT_TRUE(savePictureFile(sample(), "bottom-up.bmp"));
    std::string bytes = bytesOf("bottom-up.bmp");
    const std::size_t rowBytes = 16, dataAt = 54;
    std::string flipped = bytes.substr(0, dataAt);
    for (int row = 2; row >= 0; --row) flipped += bytes.substr(dataAt + row * rowBytes, rowBytes);
    putLe32(flipped, 22, static_cast<std::uint32_t>(-3));
    writeBytes("top-down.bmp", flipped);
    EXPECT_EQ(loadPictureFile("top-down.bmp"), sample());
}

TEST_F(PictureFiles, SavingReplacesAWholeFile) {
    ASSERT_TRUE(savePictureFile(Picture(40, 30, 0xFFFFFF), "drawing1.bmp"));
    ASSERT_TRUE(savePictureFile(sample(), "drawing1.bmp"));
    EXPECT_EQ(loadPictureFile("drawing1.bmp"), sample());
}

TEST_F(PictureFiles, AFailedSaveLeavesNoFile) {
    EXPECT_FALSE(savePictureFile(sample(), "missing-folder/drawing1.bmp"));
    EXPECT_FALSE(savePictureFile(Picture(), "empty.bmp"));
    EXPECT_FALSE(std::filesystem::exists("empty.bmp"));
}

TEST_F(PictureFiles, BadFilesAreRefused) {
    ASSERT_TRUE(savePictureFile(Picture(64, 64, 0x00FF00), "good.bmp"));
    const std::string good = bytesOf("good.bmp");

    std::string wide = good;
    putLe32(wide, 18, 100000);  // width
    std::string tall = good;
    putLe32(tall, 22, 0x7FFFFFFF);  // height
    std::string tallTopDown = good;
    putLe32(tallTopDown, 22, static_cast<std::uint32_t>(-100000));
    std::string zero = good;
    putLe32(zero, 18, 0);
    std::string badDepth = good;
    badDepth[28] = 7;
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"truncated pixels", good.substr(0, good.size() / 2)},
        {"header only", good.substr(0, 54)},
        {"cut header", good.substr(0, 20)},
        {"empty file", ""},
        {"not a picture", "this is not a bitmap, just some text of the right length and more of it"},
        {"absurd width", wide},
        {"absurd height", tall},
        {"absurd top-down height", tallTopDown},
        {"zero width", zero},
        {"impossible depth", badDepth},
    };
    for (const auto& c : cases) {
        writeBytes("bad.bmp", c.bytes);
        EXPECT_FALSE(loadPictureFile("bad.bmp")) << c.what;
    }
    EXPECT_FALSE(loadPictureFile("no-such-file.bmp"));
    EXPECT_TRUE(loadPictureFile("good.bmp"));
}

// The headers of an uncompressed BMP (`compression` 3: BI_BITFIELDS) of `size`
// bytes, with an info header of `infoSize` bytes and the rows said to start at
// `dataOffset`; every byte after the info header is filled, so that whatever a
// reader takes for palette, masks or rows is there.
std::string layoutFile(int width, int height, int bits, std::uint32_t compression, std::uint32_t infoSize,
                       std::uint32_t dataOffset, std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 14 + infoSize; i < size; ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    bytes[0] = 'B', bytes[1] = 'M';
    putLe32(bytes, 2, static_cast<std::uint32_t>(size));
    putLe32(bytes, 10, dataOffset);
    putLe32(bytes, 14, infoSize);
    if (infoSize == 12) {  // the OS/2 core header: 16-bit sizes
        bytes[18] = static_cast<char>(width), bytes[20] = static_cast<char>(height);
        bytes[22] = 1, bytes[24] = static_cast<char>(bits);
        return bytes;
    }
    putLe32(bytes, 18, static_cast<std::uint32_t>(width));
    putLe32(bytes, 22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;  // planes
    bytes[28] = static_cast<char>(bits);
    putLe32(bytes, 30, compression);
    return bytes;
}

// Red, green and blue masks of eight bits each, at `at`.
void putMasks(std::string& bytes, std::size_t at) {
    putLe32(bytes, at, 0xFF0000);
    putLe32(bytes, at + 4, 0x00FF00);
    putLe32(bytes, at + 8, 0x0000FF);
}

// The check that the rows fit counts from where Qt's reader starts them: past
// the palette or the masks even when the data offset points inside them. A file
// whose offset does is refused, so that every import of one file gives one
// picture, never the memory the reader left where it ran out of rows.
TEST_F(PictureFiles, RowsCountFromWhereTheReaderStartsThem) {
    constexpr std::uint32_t rgb = 0, bitFields = 3;
    std::string masksThere = layoutFile(80, 60, 32, bitFields, 40, 66, 66 + 80 * 60 * 4);
    putMasks(masksThere, 54);
    std::string masksInHeader = layoutFile(80, 60, 32, bitFields, 108, 122, 122 + 80 * 60 * 4);
    std::fill(masksInHeader.begin() + 54, masksInHeader.begin() + 122, '\0');  // no alpha, no colour space
    putMasks(masksInHeader, 54);
    std::string fewColours = layoutFile(9, 4, 4, rgb, 40, 54 + 3 * 4, 54 + 3 * 4 + 4 * 8);
    putLe32(fewColours, 46, 3);  // colours used
    std::string deepWithColours = layoutFile(7, 3, 24, rgb, 40, 54, 54 + 3 * 24);
    putLe32(deepWithColours, 46, 16);  // a palette is no part of a 24-bit picture
    std::string gapBeforeRows = layoutFile(5, 5, 24, rgb, 40, 300, 300 + 5 * 16);
    std::string bitFieldsShort = layoutFile(80, 60, 32, bitFields, 40, 66, 66 + 80 * 60 * 4 - 1);
    putMasks(bitFieldsShort, 54);
    const struct {
        const char* what;
        std::string bytes;
        bool loads;
    } cases[] = {
        {"8 bits, offset inside the palette", layoutFile(100, 100, 8, rgb, 40, 54, 10'054), false},
        {"32-bit bitfields, no masks before the offset", layoutFile(80, 60, 32, bitFields, 40, 54, 19'254), false},
        {"offset inside the palette, every row after it", layoutFile(100, 100, 8, rgb, 40, 54, 1078 + 10'000), false},
        {"offset 0", layoutFile(100, 100, 8, rgb, 40, 0, 1078 + 10'000), false},
        {"offset inside the header", layoutFile(7, 3, 24, rgb, 40, 40, 54 + 3 * 24), false},
        {"16-bit bitfields, offset inside the masks", layoutFile(8, 2, 16, bitFields, 40, 60, 66 + 2 * 16), false},
        {"OS/2 header, offset inside its palette", layoutFile(8, 1, 1, rgb, 12, 30, 32 + 4), false},
        {"bitfields, one byte short", bitFieldsShort, false},
        {"8 bits after the whole palette", layoutFile(100, 100, 8, rgb, 40, 1078, 1078 + 10'000), true},
        {"32-bit bitfields after the masks", masksThere, true},
        {"32-bit bitfields, masks in a 108-byte header", masksInHeader, true},
        {"4 bits after a palette of three colours", fewColours, true},
        {"24 bits with colours used", deepWithColours, true},
        {"rows after a gap", gapBeforeRows, true},
        {"OS/2 header, three bytes a palette entry", layoutFile(8, 1, 1, rgb, 12, 32, 32 + 4), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes("layout.bmp", c.bytes);
        const auto first = loadPictureFile("layout.bmp");
        if (!c.loads) {
            EXPECT_FALSE(first);
            continue;
        }
        ASSERT_TRUE(first);
        QImage byQt;
        ASSERT_TRUE(byQt.loadFromData(QByteArray(c.bytes.data(), static_cast<qsizetype>(c.bytes.size())), "BMP"));
        EXPECT_EQ(first, pictureOf(byQt));
        EXPECT_EQ(loadPictureFile("layout.bmp"), first);
    }
}

// A tiny run-length file whose header claims more pixels than any screen shows
// is refused before anything is decoded or allocated.
TEST_F(PictureFiles, HeadersLargerThanAnyScreenAreRefused) {
    std::string rle(64, '\0');
    rle[0] = 'B', rle[1] = 'M';
    putLe32(rle, 2, 64);
    putLe32(rle, 10, 62);  // the pixels after a two-entry palette
    putLe32(rle, 14, 40);
    putLe32(rle, 18, 8000);
    putLe32(rle, 22, 8000);
    rle[26] = 1;             // planes
    rle[28] = 8;             // bits a pixel
    putLe32(rle, 30, 1);     // RLE8
    rle[62] = 0, rle[63] = 1;  // end of the picture
    writeBytes("huge.bmp", rle);
    EXPECT_FALSE(loadPictureFile("huge.bmp"));
}

// A run-length file (RLE8, or RLE4 with `bits` 4) whose palette starts white,
// red, blue, black ('.', 'r', 'b', '#') and is padded with green to its full
// size; `runs` is its pixel data. Negative heights store the rows top-down.
std::string runLengthFile(int width, int height, int bits, const std::vector<unsigned char>& runs) {
    const std::size_t paletteSize = std::size_t(1) << bits, dataAt = 54 + 4 * paletteSize;
    std::string bytes(dataAt, '\0');
    bytes[0] = 'B', bytes[1] = 'M';
    putLe32(bytes, 10, static_cast<std::uint32_t>(dataAt));
    putLe32(bytes, 14, 40);
    putLe32(bytes, 18, static_cast<std::uint32_t>(width));
    putLe32(bytes, 22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;  // planes
    bytes[28] = static_cast<char>(bits);
    putLe32(bytes, 30, bits == 8 ? 1 : 2);
    const std::uint32_t palette[] = {0xFFFFFF, 0xFF0000, 0x0000FF, 0x000000};  // 0xRRGGBB
    for (std::size_t i = 0; i < paletteSize; ++i) putLe32(bytes, 54 + 4 * i, i < 4 ? palette[i] : 0x008000);
    bytes.append(runs.begin(), runs.end());
    putLe32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    return bytes;
}

// Every import of a run-length file gives one picture: the pixels its runs do
// not reach take the palette's first colour, never whatever memory held.
TEST_F(PictureFiles, RunLengthPixelsTheRunsMissTakeThePalettesFirstColour) {
    const std::string endOnly = runLengthFile(100, 100, 8, {0, 1});
    ASSERT_EQ(endOnly.size(), 1080u);
    writeBytes("end-only.bmp", endOnly);
    for (int import = 0; import < 2; ++import) {
        const auto loaded = loadPictureFile("end-only.bmp");
        ASSERT_TRUE(loaded);
        ASSERT_EQ(loaded->pixels.size(), 100u * 100u);
        EXPECT_EQ(std::count(loaded->pixels.begin(), loaded->pixels.end(), 0xFFFFFFu), 100 * 100) << "white pixels";
    }

    const struct {
        const char* what;
        int width, height, bits;
        std::vector<unsigned char> runs;
        Art expected;                // top row first
        std::uint32_t coloursUsed = 0;  // 0: the whole palette
    } cases[] = {
        {"RLE8 runs that stop mid-row", 5, 3, 8, {2, 1, 1, 2, 0, 1}, {".....", ".....", "rrb.."}},
        {"RLE8 data that ends mid-row", 5, 2, 8, {0, 0, 3, 3}, {"###..", "....."}},
        {"RLE8 data cut inside a run", 4, 1, 8, {2, 1, 0, 5, 3, 3}, {"rr.."}},
        {"RLE8 end of line early", 4, 2, 8, {1, 2, 0, 0, 2, 1, 0, 1}, {"rr..", "b..."}},
        {"RLE8 jump over pixels", 4, 3, 8, {1, 1, 0, 2, 2, 1, 1, 3, 0, 1}, {"....", "...#", "r..."}},
        {"RLE8 jump off the picture", 3, 2, 8, {1, 1, 0, 2, 0, 9, 3, 2, 0, 1}, {"...", "r.."}},
        {"RLE8 runs past the row end are cut", 3, 2, 8, {5, 1, 2, 2, 0, 0, 0, 4, 2, 3, 1, 2, 0, 1}, {"b#r", "rrr"}},
        {"RLE8 absolute run padded", 4, 2, 8, {0, 3, 3, 2, 1, 0xEE, 0, 0, 4, 1, 0, 1}, {"rrrr", "#br."}},
        {"RLE8 index past the palette is black", 2, 1, 8, {1, 4, 1, 1, 0, 1}, {"#r"}, 4},
        {"RLE8 top-down rows", 2, -2, 8, {2, 1, 0, 0, 1, 2, 0, 1}, {"rr", "b."}},
        {"RLE8 rows past the top are dropped", 2, 1, 8, {2, 1, 0, 0, 2, 2, 0, 1}, {"rr"}},
        {"RLE4 runs that stop mid-row", 5, 2, 4, {3, 0x12, 0, 1}, {".....", "rbr.."}},
        {"RLE4 absolute run of odd length", 6, 1, 4, {0, 3, 0x31, 0x20, 1, 0x30}, {"#rb#.."}},
        {"RLE4 data that ends without an end", 3, 2, 4, {0, 0, 2, 0x33}, {"##.", "..."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string bytes = runLengthFile(c.width, c.height, c.bits, c.runs);
        putLe32(bytes, 46, c.coloursUsed);
        writeBytes("runs.bmp", bytes);
        const auto first = loadPictureFile("runs.bmp");
        ASSERT_TRUE(first);
        EXPECT_EQ(artOf(*first), c.expected);
        EXPECT_EQ(loadPictureFile("runs.bmp"), first);
    }
}

// Files whose runs give every pixel a colour look as Qt's reader shows them.
TEST_F(PictureFiles, WholeRunLengthFilesLoadAsQtReadsThem) {
    const struct {
        const char* what;
        int width, height, bits;
        std::vector<unsigned char> runs;
    } cases[] = {
        {"RLE8", 4, 3, 8, {4, 1, 0, 0, 0, 4, 0, 1, 2, 3, 0, 0, 2, 2, 2, 5, 0, 1}},
        {"RLE8 top-down", 3, -2, 8, {0, 3, 3, 1, 2, 0, 0, 0, 3, 0, 0, 1}},
        {"RLE8 many colours", 2, 1, 8, {1, 9, 1, 200, 0, 1}},
        {"RLE4", 5, 2, 4, {5, 0x12, 0, 0, 0, 5, 0x01, 0x23, 0x10, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string bytes = runLengthFile(c.width, c.height, c.bits, c.runs);
        writeBytes("whole.bmp", bytes);
        QImage byQt;
        ASSERT_TRUE(byQt.loadFromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), "BMP"));
        EXPECT_EQ(loadPictureFile("whole.bmp"), pictureOf(byQt));
    }
}

// Whatever the runs hold, decoding stays inside the picture and the data, and
// every pixel gets a palette colour, the same on every import.
TEST_F(PictureFiles, RandomRunsStayInsideThePicture) {
    std::mt19937 rng(20261211);
    const std::uint32_t paletteColours[] = {0xFFFFFF, 0x0000FF, 0xFF0000, 0x000000, 0x008000};
    for (int round = 0; round < 300; ++round) {
        const int bits = round % 2 ? 4 : 8;
        const int width = 1 + static_cast<int>(rng() % 9), height = 1 + static_cast<int>(rng() % 6);
        std::vector<unsigned char> runs(rng() % 60);
        // Mostly small bytes, so that the escapes, jumps and short runs come often.
        for (unsigned char& b : runs) b = static_cast<unsigned char>(rng() % 4 ? rng() % 6 : rng() % 256);
        writeBytes("random.bmp", runLengthFile(width, round % 3 ? height : -height, bits, runs));
        const auto first = loadPictureFile("random.bmp");
        ASSERT_TRUE(first) << "round " << round;
        ASSERT_EQ(first->width, width);
        ASSERT_EQ(first->height, height);
        for (std::uint32_t pixel : first->pixels)
            ASSERT_NE(std::find(std::begin(paletteColours), std::end(paletteColours), pixel), std::end(paletteColours))
                << "round " << round;
        ASSERT_EQ(loadPictureFile("random.bmp"), first) << "round " << round;
    }
}

// Runs, absolute runs and jumps that reach past a row's end are cut there, in
// one step each however long: a file of many short rows crowded with them gives
// the picture of the same file without them.
TEST_F(PictureFiles, RunsPastTheRowsEndAreCutWhole) {
    constexpr int width = 3, height = 400, extras = 300;
    for (const int bits : {8, 4}) {
        SCOPED_TRACE(bits);
        const unsigned char red = bits == 8 ? 1 : 0x11, blue = bits == 8 ? 2 : 0x22;
        std::vector<unsigned char> plain, crowded;
        for (int row = 0; row < height; ++row) {
            const unsigned char first = row % 2 ? red : blue;
            const std::vector<unsigned char> pixels = {width, first};
            plain.insert(plain.end(), pixels.begin(), pixels.end());
            crowded.insert(crowded.end(), pixels.begin(), pixels.end());
            for (int i = 0; i < extras; ++i) {
                const std::vector<unsigned char> past[] = {{255, blue}, {0, 254}, {0, 2, 255, 0}};
                const std::vector<unsigned char>& extra = past[i % 3];
                crowded.insert(crowded.end(), extra.begin(), extra.end());
                // An absolute run's indices, padded to a whole number of words.
                if (extra[0] == 0 && extra[1] == 254) crowded.insert(crowded.end(), bits == 8 ? 254 : 128, red);
            }
            for (auto* runs : {&plain, &crowded}) runs->insert(runs->end(), {0, 0});
        }
        writeBytes("plain.bmp", runLengthFile(width, height, bits, plain));
        writeBytes("crowded.bmp", runLengthFile(width, height, bits, crowded));
        const auto expected = loadPictureFile("plain.bmp");
        ASSERT_TRUE(expected);
        EXPECT_EQ(artOf(*expected)[0], height % 2 ? "bbb" : "rrr");
        EXPECT_EQ(artOf(*expected)[1], height % 2 ? "rrr" : "bbb");
        EXPECT_EQ(loadPictureFile("crowded.bmp"), expected);
    }
}

TEST_F(PictureFiles, RunLengthFilesThatCannotBeReadAreRefused) {
    std::string wrongDepth = runLengthFile(4, 1, 8, {4, 1, 0, 1});
    wrongDepth[28] = 4;
    std::string paletteTooLarge = runLengthFile(4, 1, 8, {4, 1, 0, 1});
    putLe32(paletteTooLarge, 46, 257);
    std::string paletteMissing = runLengthFile(4, 1, 8, {4, 1, 0, 1}).substr(0, 54 + 100);
    std::string dataPastTheEnd = runLengthFile(4, 1, 4, {4, 1, 0, 1});
    putLe32(dataPastTheEnd, 10, 5000);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"RLE8 at four bits a pixel", wrongDepth},
        {"a palette larger than 256", paletteTooLarge},
        {"a palette cut short", paletteMissing},
        {"pixels past the file's end", dataPastTheEnd},
    };
    for (const auto& c : cases) {
        writeBytes("bad.bmp", c.bytes);
        EXPECT_FALSE(loadPictureFile("bad.bmp")) << c.what;
    }
}

// Only a regular file is read: a device would read for ever, a FIFO blocks.
TEST_F(PictureFiles, SpecialFilesAreRefusedWithoutWaiting) {
    std::filesystem::create_directory("folder.bmp");
    ASSERT_EQ(::mkfifo("pipe.bmp", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "zero.bmp");
    for (const char* name : {"folder.bmp", "pipe.bmp", "zero.bmp"}) EXPECT_FALSE(loadPictureFile(name)) << name;
    ASSERT_TRUE(savePictureFile(sample(), "good.bmp"));
    std::filesystem::create_symlink("good.bmp", "linked.bmp");
    EXPECT_TRUE(loadPictureFile("linked.bmp"));
}

}  // namespace
}  // namespace tarnwick::test
