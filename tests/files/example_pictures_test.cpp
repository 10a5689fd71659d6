#include <algorithm>
#include <array>
#include <queue>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "example_settings.h"
#include "files/example_pictures.h"

namespace tarnwick::test {
namespace {

constexpr std::array<std::uint32_t, 16> palette{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                                0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                                0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

struct FixedPixel {
    int example, x, y;
    std::uint32_t colour;
};

TEST(BuiltinPictures, FixedPixels) {
    const FixedPixel pixels[] = {
        {1, 0, 0, 0xFFFF00},     {1, 60, 579, 0x008080},  {1, 59, 579, 0xFFFF00},  {1, 130, 300, 0xC0C0C0},
        {1, 170, 300, 0xFFFF00}, {1, 399, 60, 0x000080},  {1, 369, 60, 0xFFFF00},  {1, 40, 179, 0x000080},
        {2, 0, 0, 0x000000},     {2, 50, 250, 0xFF0000},  {2, 269, 349, 0xFF0000}, {2, 270, 300, 0x808080},
        {2, 400, 300, 0xC0C0C0}, {2, 400, 100, 0x808000}, {2, 400, 80, 0x000000},  {2, 749, 349, 0xFF0000},
        {3, 0, 0, 0x808080},     {3, 400, 55, 0xC0C0C0},  {3, 389, 55, 0x808080},  {3, 300, 250, 0x808000},
        {3, 500, 250, 0xC0C0C0}, {3, 300, 350, 0x800080}, {3, 500, 350, 0x808000}, {3, 400, 545, 0x808000},
        {4, 0, 0, 0xFF0000},     {4, 400, 45, 0x008080},  {4, 400, 65, 0x008000},  {4, 150, 515, 0x008000},
        {4, 149, 515, 0xFF0000}, {4, 400, 550, 0x000080}, {4, 375, 125, 0x0000FF}, {4, 45, 45, 0x00FFFF},
    };
    for (const FixedPixel& p : pixels) {
        const Picture pic = builtinPicture(p.example);
        EXPECT_EQ(pic.at(p.x, p.y), p.colour) << "example " << p.example << " at " << p.x << "," << p.y;
    }
}

TEST(BuiltinPictures, AreFullSizeInPaletteColoursOnly) {
    for (int example = 1; example <= 4; ++example) {
        const Picture pic = builtinPicture(example);
        ASSERT_EQ(pic.width, 800);
        ASSERT_EQ(pic.height, 600);
        for (std::uint32_t c : pic.pixels)
            ASSERT_NE(std::find(palette.begin(), palette.end(), c), palette.end()) << "example " << example;
    }
    EXPECT_TRUE(builtinPicture(0).empty());
    EXPECT_TRUE(builtinPicture(5).empty());
}

TEST(BuiltinPictures, TitlePictureIsFullSizeInPaletteColours) {
    const Picture pic = titlePicture();
    ASSERT_EQ(pic.width, 800);
    ASSERT_EQ(pic.height, 600);
    for (std::uint32_t c : pic.pixels) ASSERT_NE(std::find(palette.begin(), palette.end(), c), palette.end());
}

// The first line of an example's settings file as numbers.
std::vector<long> exampleRecord(int example) {
    std::istringstream line(fileBytes(dataDir() / exampleFileName(example)).substr(0, 2000));
    std::string first;
    std::getline(line, first);
    std::vector<long> values{0};  // 1-based
    std::istringstream fields(first);
    for (std::string v; std::getline(fields, v, ',');) values.push_back(v.empty() ? 0 : std::stol(v));
    return values;
}

// The drawing lattice of wall size 10 over a picture, with the open cells a maze can carve.
class Lattice {
public:
    Lattice(const Picture& pic, long step, const std::array<bool, 17>& open) : pic_(pic), step_(step) {
        for (int k = 1; k <= 16; ++k)
            if (open[k]) openColours_.push_back(palette[k - 1]);
        cols_ = (pic.width - step - 10) / step + 1;
        rows_ = (pic.height - step - 10) / step + 1;
    }
    int cols() const { return cols_; }
    int rows() const { return rows_; }
    int colOf(long x) const { return static_cast<int>((x - 10) / step_); }
    int rowOf(long y) const { return static_cast<int>((y - 10) / step_); }

    // The whole 10 by 10 drawing cell at (x, y) is of open colours.
    bool openArea(long x, long y) const {
        for (long py = y; py < y + 10; ++py)
            for (long px = x; px < x + 10; ++px)
                if (std::find(openColours_.begin(), openColours_.end(), pic_.at(px, py)) == openColours_.end())
                    return false;
        return true;
    }
    bool open(int i, int j) const { return openArea(10 + i * step_, 10 + j * step_); }
    // Two neighbouring cells join when the gap between them (3d-pipe grids) is open too.
    bool joined(int i, int j, int di, int dj) const {
        if (step_ == 10) return true;
        return openArea(10 + i * step_ + di * 10, 10 + j * step_ + dj * 10);
    }

    // Open cells that the start cell cannot reach.
    int unreachableFrom(int si, int sj) const {
        if (!open(si, sj)) return -1;
        std::vector<char> seen(static_cast<std::size_t>(cols_ * rows_), 0);
        std::queue<std::pair<int, int>> todo;
        todo.push({si, sj});
        seen[sj * cols_ + si] = 1;
        while (!todo.empty()) {
            auto [i, j] = todo.front();
            todo.pop();
            for (auto [di, dj] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int ni = i + di, nj = j + dj;
                if (ni < 0 || nj < 0 || ni >= cols_ || nj >= rows_ || seen[nj * cols_ + ni]) continue;
                if (!open(ni, nj) || !joined(i, j, di, dj)) continue;
                seen[nj * cols_ + ni] = 1;
                todo.push({ni, nj});
            }
        }
        int unreachable = 0;
        for (int j = 0; j < rows_; ++j)
            for (int i = 0; i < cols_; ++i) unreachable += open(i, j) && !seen[j * cols_ + i];
        return unreachable;
    }

    std::pair<int, int> firstOpen() const {
        for (int j = 0; j < rows_; ++j)
            for (int i = 0; i < cols_; ++i)
                if (open(i, j)) return {i, j};
        return {0, 0};
    }

private:
    const Picture& pic_;
    long step_;
    int cols_ = 0, rows_ = 0;
    std::vector<std::uint32_t> openColours_;
};

// With the colour classes of its settings file every open cell of a picture is
// reachable from its start, so maze making can finish, and the finish is open.
// With the default classes (no settings file) the open cells are connected too.
TEST(BuiltinPictures, OpenCellsAreConnected) {
    for (int example = 1; example <= 4; ++example) {
        SCOPED_TRACE(exampleFileName(example));
        const std::vector<long> r = exampleRecord(example);
        ASSERT_EQ(r.size(), 88u);
        const Picture pic = builtinPicture(example);
        std::array<bool, 17> fileClasses{}, defaultClasses{};
        for (int k = 1; k <= 16; ++k) {
            fileClasses[k] = r[38 + k] == 1;
            defaultClasses[k] = k <= 8;
        }
        const long step = r[18];
        const Lattice lattice(pic, step, fileClasses);
        const long sx = r[6] - 1, sy = r[7] - 1, fx = r[11] - 1, fy = r[12] - 1;  // drawing cells of the squares
        for (long v : {sx, sy, fx, fy}) ASSERT_EQ((v - 10) % step, 0) << v;
        EXPECT_TRUE(lattice.open(lattice.colOf(fx), lattice.rowOf(fy)));
        EXPECT_EQ(lattice.unreachableFrom(lattice.colOf(sx), lattice.rowOf(sy)), 0);

        const Lattice byDefault(pic, step, defaultClasses);
        const auto [i, j] = byDefault.firstOpen();
        EXPECT_EQ(byDefault.unreachableFrom(i, j), 0);
    }
}

// The cursor rests on the outer colour, which is the pen, the border pen and the window colour.
TEST(BuiltinPictures, SettingsPutTheCursorOnThePenColour) {
    for (int example = 1; example <= 4; ++example) {
        SCOPED_TRACE(exampleFileName(example));
        const std::vector<long> r = exampleRecord(example);
        const Picture pic = builtinPicture(example);
        EXPECT_EQ(static_cast<long>(pic.at(r[1], r[2])), r[5]);
        EXPECT_EQ(static_cast<long>(pic.at(r[3], r[4])), r[5]);
        EXPECT_EQ(r[55], r[5]);
        EXPECT_EQ(r[87], r[5]);
    }
}

}  // namespace
}  // namespace tarnwick::test
