#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include "platform/picture_files.h"
#include "platform/qt/picture_image.h"
#include "support/headless_work_dir.h"

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
