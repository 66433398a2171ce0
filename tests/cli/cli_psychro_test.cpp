// varnexa-cli diagram LIBRARY psychro: the psychrometric chart of a humid-air library written as
// SVG and PNG through the drawing module, its pressure in the title, the marked state, and the
// usage errors of a chart and library that do not go together.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "CliRun.h"

namespace {

std::string Content(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

std::string Folder(const std::string& name) {
    const std::string dir = testing::TempDir() + "/" + name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

std::size_t Count(const std::string& text, const std::string& word) {
    std::size_t n = 0;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
    return n;
}

uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

bool WithoutQt(const CliRun& r) {
    return r.Status == 2 && r.Err.find("without Qt") != std::string::npos;
}

TEST(CliPsychro, WritesTheChartAsSvgAndPng) {
    const std::string dir = Folder("psychro");
    const CliRun svg = Cli({"diagram", "KX_HA_RP1485", "psychro", "--p", "0.9", "--state", "RH",
                            "25", "0.5", "--out", dir + "/chart.svg"});
    if (WithoutQt(svg)) GTEST_SKIP() << svg.Err;
    ASSERT_EQ(svg.Status, 0) << svg.Err;
    EXPECT_EQ(svg.Out + svg.Err, "");
    const std::string text = Content(dir + "/chart.svg");
    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    EXPECT_NE(text.find("</svg>"), std::string::npos);
    EXPECT_NE(text.find("Psychrometric chart, p = 0.9 bar(a)"), std::string::npos);
    EXPECT_NE(text.find("50 %"), std::string::npos);   // a relative-humidity curve's label
    EXPECT_NE(text.find("kJ/kg"), std::string::npos);  // an enthalpy line's
    EXPECT_GE(Count(text, "<path") + Count(text, "<polyline"), 40u);

    // The ideal-gas library by its short name, a PNG of the size asked for.
    const CliRun png =
        Cli({"diagram", "HAIDEAL", "psychro", "--size", "640x480", "--out", dir + "/chart.png"});
    ASSERT_EQ(png.Status, 0) << png.Err;
    const std::string bytes = Content(dir + "/chart.png");
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(bytes, 16), 640u);
    EXPECT_EQ(BigEndian(bytes, 20), 480u);
}

// A state the library rejects is reported and the chart drawn without it; a pressure without a
// chart draws the library's reason.
TEST(CliPsychro, RejectedStatesAndPressuresAreReported) {
    const std::string dir = Folder("psychro_errors");
    const CliRun wet = Cli({"diagram", "KX_HA_RP1485", "psychro", "--state", "RH", "25", "1.2",
                            "--out", dir + "/wet.svg"});
    if (WithoutQt(wet)) GTEST_SKIP() << wet.Err;
    EXPECT_EQ(wet.Status, 0) << wet.Err;
    EXPECT_EQ(wet.Out.rfind("error\tKX_HA_RP1485_WPTR; Relative humidity higher", 0), 0u)
        << wet.Out;
    EXPECT_TRUE(std::filesystem::exists(dir + "/wet.svg"));
    const CliRun low =
        Cli({"diagram", "KX_HA_RP1485", "psychro", "--p", "0.01", "--out", dir + "/low.svg"});
    EXPECT_EQ(low.Status, 0) << low.Err;
    EXPECT_EQ(low.Out.rfind("error\tKX_HA_RP1485_RPTW; Temperature higher", 0), 0u) << low.Out;
}

TEST(CliPsychro, ChartsAndLibrariesThatDoNotGoTogether) {
    const std::string out = Folder("psychro_usage") + "/x.svg";
    const struct {
        std::vector<std::string> Args;
        const char* Message;
    } cases[] = {
        {{"diagram", "KX_R134a_FE", "psychro", "--out", out}, "psychro needs a humid-air library"},
        {{"diagram", "KX_HA_RP1485", "ph", "--out", out}, "draws the psychrometric chart only"},
        {{"diagram", "water", "ph", "--p", "1", "--out", out},
         "--p is the pressure of the psychro"},
        {{"diagram", "RP1485", "psychro", "--state", "RHX", "25", "0.5", "--out", out},
         "unknown humidity input: RHX"},
        {{"diagram", "RP1485", "psychro", "--p", "abc", "--out", out}, "not a number: abc"},
        {{"diagram", "RP1485", "psychro", "--step", "T=5", "--out", out},
         "are options of the fluid charts"},
    };
    for (const auto& c : cases) {
        const CliRun r = Cli(c.Args);
        EXPECT_EQ(r.Status, 2) << c.Message;
        EXPECT_NE(r.Err.find(c.Message), std::string::npos) << r.Err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
