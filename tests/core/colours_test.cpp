#include <gtest/gtest.h>

#include "core/colours.h"

namespace tarnwick {
namespace {

// The start-up classes: colours 1 to 8 open, 9 to 16 border, every passage colour white.
State defaultClasses() {
    State s;
    setStandardPalette(s);
    for (int k = 1; k <= 16; ++k) setColourClass(s, k, k <= 8);
    for (int k = 1; k <= 16; ++k) s.passagecolors.set(static_cast<std::size_t>(k), 0xFFFFFF);
    setExtraOpenColour(s);
    return s;
}

TEST(Colours, StandardPaletteInOrder) {
    State s;
    setStandardPalette(s);
    const long expected[17] = {0,        0x000000, 0x800000, 0x008000, 0x808000, 0x000080,
                               0x800080, 0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00,
                               0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};  // entry 0 unused
    for (std::size_t k = 0; k <= 16; ++k) EXPECT_EQ(s.palette[k], expected[k]) << k;
}

TEST(Colours, ClassesPutMarkersInTheOtherTable) {
    State s = defaultClasses();
    const struct {
        std::size_t k;
        long open, border;
    } entries[] = {{1, 0x000000, 300}, {8, 0xC0C0C0, 314}, {9, 317, 0x808080}, {16, 331, 0xFFFFFF}};
    for (const auto& e : entries) {
        EXPECT_EQ(s.opencolors[e.k], e.open) << e.k;
        EXPECT_EQ(s.bordercolors[e.k], e.border) << e.k;
    }

    setColourClass(s, 15, true);  // yellow becomes open
    EXPECT_EQ(s.opencolors[15], 0x00FFFF);
    EXPECT_EQ(s.bordercolors[15], 328);
    EXPECT_TRUE(isOpenColour(s, 0x00FFFF));
    EXPECT_FALSE(isBorderColour(s, 0x00FFFF));

    const State before = s;
    setColourClass(s, 0, true);   // outside 1..16: nothing changes
    setColourClass(s, 17, false);
    EXPECT_EQ(s.opencolors, before.opencolors);
    EXPECT_EQ(s.bordercolors, before.bordercolors);
}

TEST(Colours, MarkerRangeIncludesBothEnds) {
    for (const long v : {300L, 301L, 331L, 400L}) EXPECT_TRUE(isMarker(v)) << v;
    for (const long v : {299L, 401L, -1L, 0L, 0xFFFFFFL}) EXPECT_FALSE(isMarker(v)) << v;
}

TEST(Colours, PixelClassesWithDefaultClasses) {
    State s = defaultClasses();
    s.startcolor = 0xFF00FF;
    s.finishcolor = 0x808080;
    const struct {
        long colour;
        bool open, border, passage, clean, path, usable;
    } cases[] = {
        {0x000000, true, false, false, true, false, true},     // black: open
        {0xFFFFFF, false, true, true, false, true, false},     // white: border and the passage colour
        {0x808080, false, true, false, false, true, true},     // grey: border, the finish colour
        {0xFF00FF, false, true, false, false, true, true},     // magenta: the start colour
        {301, false, false, false, false, false, false},       // a marker is never a colour, though a table holds it
        {300, false, false, false, false, false, false},
        {-1, false, false, false, false, false, true},         // off the surface
        {0x7C00, true, false, false, true, false, true},       // the extra open green
        {0x008000, true, false, false, true, false, true},     // green itself
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isOpenColour(s, c.colour), c.open) << std::hex << c.colour;
        EXPECT_EQ(isBorderColour(s, c.colour), c.border) << std::hex << c.colour;
        EXPECT_EQ(isPassageColour(s, c.colour), c.passage) << std::hex << c.colour;
        EXPECT_EQ(isCleanColour(s, c.colour), c.clean) << std::hex << c.colour;
        EXPECT_EQ(isPathColour(s, c.colour), c.path) << std::hex << c.colour;
        EXPECT_EQ(isUsableColour(s, c.colour), c.usable) << std::hex << c.colour;
    }
}

TEST(Colours, ExtraOpenColourFollowsGreen) {
    State s = defaultClasses();
    EXPECT_EQ(s.opencolors[17], extraOpenGreen);
    EXPECT_TRUE(isOpenColour(s, 0x7C00));
    setColourClass(s, 3, false);
    setExtraOpenColour(s);
    EXPECT_EQ(s.opencolors[17], noPixelColour);
    EXPECT_FALSE(isOpenColour(s, 0x7C00));
    EXPECT_LT(noPixelColour, -1);  // &HFFA74758 as the 32-bit value: no pixel and no off-surface read
}

TEST(Colours, UsableMeansNoPassageAndNoMarker) {
    State s = defaultClasses();
    EXPECT_FALSE(isUsableColour(s, 0xFFFFFF));
    EXPECT_FALSE(isUsableColour(s, 315));
    EXPECT_TRUE(isUsableColour(s, 0x808080));
    EXPECT_TRUE(isUsableColour(s, 299));
}

// The classes are looked up, not scanned: every way the tables change must show
// at the next test, however the state got its tables.
TEST(Colours, ClassesFollowEveryChangeOfTheTables) {
    constexpr long teal = 0x808000, pink = 0xC0C0FF;  // teal: palette colour 4, open at start
    const struct {
        const char* change;
        void (*apply)(State&);
        bool tealOpen, pinkPassage;
    } cases[] = {
        {"an entry written", [](State& s) { s.opencolors.set(4, openMarker(4)); }, false, false},
        {"a passage entry written", [](State& s) { s.passagecolors.set(4, pink); }, true, true},
        {"a class changed", [](State& s) { setColourClass(s, 4, false); }, false, false},
        {"the state assigned from another",
         [](State& s) {
             State other = s;
             other.passagecolors.set(4, pink);
             setColourClass(other, 4, false);
             isOpenColour(other, teal);  // the copy's own lookup is built first
             s = other;
         },
         false, true},
        {"a table assigned from another state's",
         [](State& s) {
             State other = s;
             other.opencolors.set(4, openMarker(4));
             s.opencolors = other.opencolors;
         },
         false, false},
    };
    for (const auto& c : cases) {
        State s = defaultClasses();
        ASSERT_TRUE(isOpenColour(s, teal));  // builds the lookup
        ASSERT_FALSE(isPassageColour(s, pink));
        c.apply(s);
        EXPECT_EQ(isOpenColour(s, teal), c.tealOpen) << c.change;
        EXPECT_EQ(isPassageColour(s, pink), c.pinkPassage) << c.change;
        EXPECT_EQ(isPathColour(s, pink), c.pinkPassage) << c.change;
    }
}

// Reading a table, even one that could be written, leaves the count of writes
// alone, so reads never make the classes rebuild; a write counts once it landed.
TEST(Colours, OnlyWritesMoveTheCountOfTableWrites) {
    State s = defaultClasses();
    const std::uint64_t before = ColourTableWrites::now();
    long sum = 0;
    for (std::size_t k = 1; k <= 16; ++k) sum += s.opencolors[k] + s.bordercolors[k];
    for (long c : s.passagecolors) sum += c;
    EXPECT_NE(sum, 0);
    EXPECT_EQ(ColourTableWrites::now(), before);
    s.passagecolors.set(4, 0xC0C0FF);
    EXPECT_EQ(ColourTableWrites::now(), before + 1);
    EXPECT_EQ(s.passagecolors[4], 0xC0C0FF);
}

// The last answers are kept for the colours asked next: any order of asking,
// and a rebuild in between, gives each colour its own classes.
TEST(Colours, ClassLookupsInAnyOrder) {
    constexpr long black = 0x000000, white = 0xFFFFFF, red = 0x0000FF;
    const long asked[] = {red, black, white, black, red, white, 0x123456, black, -1, white, red};
    ColourClasses classes;
    const struct {
        std::uint8_t white;
        bool redListed;
    } builds[] = {{ColourClasses::Passage, true}, {ColourClasses::Open | ColourClasses::Passage, false}};
    std::uint64_t stamp = 0;
    for (const auto& b : builds) {
        classes.clear(++stamp);
        classes.add(black, ColourClasses::Open);
        classes.add(white, b.white);
        if (b.redListed) classes.add(red, ColourClasses::Border);
        for (long c : asked) {
            const std::uint8_t expected = c == black   ? ColourClasses::Open
                                          : c == white ? b.white
                                          : c == red && b.redListed ? ColourClasses::Border
                                                                    : 0;
            EXPECT_EQ(classes.of(c), expected) << std::hex << c << " in build " << stamp;
        }
    }
}

// A copy keeps its own lookup: changing the copy leaves the original's classes.
TEST(Colours, ACopiedStateClassifiesByItsOwnTables) {
    State s = defaultClasses();
    ASSERT_TRUE(isPassageColour(s, 0xFFFFFF));
    State copy = s;
    for (std::size_t k = 1; k <= 16; ++k) copy.passagecolors.set(k, 0x123456);
    EXPECT_FALSE(isPassageColour(copy, 0xFFFFFF));
    EXPECT_TRUE(isPassageColour(s, 0xFFFFFF));
    EXPECT_TRUE(isPassageColour(copy, 0x123456));
    EXPECT_FALSE(isPassageColour(s, 0x123456));
}

}  // namespace
}  // namespace tarnwick
