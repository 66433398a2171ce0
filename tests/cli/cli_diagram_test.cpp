// varnexa-cli diagram and its files: a platform without a display falls back to offscreen
// quietly, and a write that fails leaves no truncated file and an existing one as it was. The
// first test must create the process's Qt application, so these live in an executable of their
// own. Marked states, the SVG's title, PDF pages and a PNG's resolution are checked here too.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "CliRun.h"
#include "VarnexaCli.h"

namespace {

std::string Content(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

bool WithoutQt(const CliRun& r) {
    return r.Status == 2 && r.Err.find("without Qt") != std::string::npos;
}

// What a command prints (poppler's pdfinfo and pdftotext); empty when it cannot run.
std::string Output(const std::string& command) {
    std::string text;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

bool HavePoppler() {
    return std::system("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null") == 0;
}

// The horizontal resolution of a PNG file's pHYs chunk in dots per metre; -1 without one.
long DotsPerMetre(const std::string& png) {
    const std::size_t at = png.find("pHYs");
    if (at == std::string::npos || at + 8 > png.size()) return -1;
    long v = 0;
    for (std::size_t k = at + 4; k < at + 8; ++k) v = v * 256 + static_cast<unsigned char>(png[k]);
    return v;
}

std::string Folder(const std::string& name) {
    const std::string dir = testing::TempDir() + "/" + name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// The xcb platform named with no X display: Qt cannot connect (it used to abort), the drawing
// goes offscreen, and nothing reaches standard error, nor Qt's note about XDG_RUNTIME_DIR.
TEST(CliDiagramFile, AnUnreachableDisplayFallsBackToOffscreenQuietly) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("XDG_RUNTIME_DIR");
    const std::string path = Folder("quiet") + "/water.svg";
    const std::string captured = Folder("quiet_err") + "/stderr.txt";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    std::FILE* sink = std::fopen(captured.c_str(), "w");
    ASSERT_NE(sink, nullptr);
    dup2(fileno(sink), STDERR_FILENO);
    const CliRun r = Cli({"diagram", "KX_WS_IF97", "ts", "--out", path});
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::fclose(sink);
    if (WithoutQt(r)) GTEST_SKIP() << r.Err;
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out + r.Err, "");
    EXPECT_EQ(Content(captured), "");
    EXPECT_NE(Content(path).find("<svg"), std::string::npos);
}

// A file size limit stands in for a full disk: the write fails part way.
class TFileSizeLimit {
  public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(CliDiagramFile, AFailedWriteLeavesNoTruncatedFileAndTheOldOneAsItWas) {
    const std::string dir = Folder("full");
    const std::string existing = dir + "/old.svg";
    std::ofstream(existing) << "the previous drawing\n";
    for (const std::string& path : {existing, dir + "/new.png", dir + "/new.svg"}) {
        CliRun r;
        {
            const TFileSizeLimit limit(4096);  // far below any diagram
            r = Cli({"diagram", "KX_R134a_FE", "ph", "--out", path});
        }
        if (WithoutQt(r)) GTEST_SKIP() << r.Err;
        EXPECT_EQ(r.Status, 2) << path;
        EXPECT_EQ(r.Err, "varnexa-cli: cannot write " + path + ": File too large\n");
    }
    EXPECT_EQ(Content(existing), "the previous drawing\n");
    // Nothing else in the folder: neither the new files nor temporary ones.
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"old.svg"});

    // Without the limit the same command replaces the file.
    const CliRun r = Cli({"diagram", "KX_R134a_FE", "ph", "--out", existing});
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_NE(Content(existing).find("<svg"), std::string::npos);

    // A file name that begins with "-" is the value of --out, as typed.
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    const CliRun dash = Cli({"diagram", "KX_R134a_FE", "ph", "--out", "-dash.svg"});
    std::filesystem::current_path(here);
    EXPECT_EQ(dash.Status, 0) << dash.Err;
    EXPECT_TRUE(std::filesystem::exists(dir + "/-dash.svg"));
}

// A short name in any case draws the diagram of the full name, marker and its error line alike.
TEST(CliDiagramFile, AShortNameDrawsTheSameDiagram) {
    const std::string dir = Folder("short");
    std::string drawn[3];
    const char* names[] = {"KX_R134a_FE", "r134A", "R134a"};
    for (int i = 0; i < 3; ++i) {
        const std::string path = dir + "/" + std::to_string(i) + ".svg";
        const CliRun r =
            Cli({"diagram", names[i], "ph", "--state", "pT", "5", "30", "--out", path});
        if (WithoutQt(r)) GTEST_SKIP() << r.Err;
        EXPECT_EQ(r.Status, 0) << names[i] << ": " << r.Err;
        EXPECT_EQ(r.Out, "") << names[i];
        drawn[i] = Content(path);
    }
    EXPECT_NE(drawn[0].find("<svg"), std::string::npos);
    EXPECT_EQ(drawn[1], drawn[0]);
    EXPECT_EQ(drawn[2], drawn[0]);
}

// cycle --diagram prints the cycle and draws it: the drawing differs from the chart alone by the
// cycle's path (an SVG polyline more) and names its points.
TEST(CliDiagramFile, ACycleIsDrawnOnItsChart) {
    const std::string dir = Folder("cycle");
    const std::string path = dir + "/cycle.svg";
    const CliRun r = Cli({"cycle", "rankine", "water", "--p-boiler", "80", "--T-live", "500",
                          "--p-cond", "0.1", "--diagram", path});
    if (WithoutQt(r)) GTEST_SKIP() << r.Err;
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out.rfind("point\t", 0), 0u);
    const CliRun chart = Cli({"diagram", "water", "ts", "--out", dir + "/chart.svg"});
    ASSERT_EQ(chart.Status, 0) << chart.Err;
    const std::string drawn = Content(path), plain = Content(dir + "/chart.svg");
    EXPECT_NE(drawn.find("<svg"), std::string::npos);
    EXPECT_GT(drawn.size(), plain.size());
    EXPECT_NE(drawn.find(">4</text>"), std::string::npos);  // the turbine exhaust's number
    EXPECT_NE(Cli({"cycle", "rankine", "water", "--p-boiler", "80", "--T-live", "500", "--p-cond",
                   "0.1", "--diagram", path, "--chart", "pT"})
                  .Status,
              0);
}

// Several --state options mark several states, numbered in order and listed in the legend with
// their values; a state that fails is reported and left out. A .pdf file is one landscape page of
// A4 (the default) or Letter whose text is text: the fluid, the equation, the axes and the
// marked states' values.
TEST(CliDiagramFile, SeveralStatesOnOnePdfPage) {
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
    const std::string dir = Folder("pdf");
    const struct {
        std::vector<std::string> Page;
        const char* Size;
    } pages[] = {{{}, "842 x 595 pts"},
                 {{"--page", "letter"}, "792 x 612 pts"},
                 {{"--page", "A4"}, "842 x 595 pts"}};
    for (const auto& page : pages) {
        const std::string path = dir + "/r134a.pdf";
        std::vector<std::string> args{"diagram", "R134a",   "ph",   "--state", "pT",  "2.345",
                                      "12.5",    "--state", "pT",   "1",       "900", "--state",
                                      "pT",      "7.654",   "66.6", "--out",   path};
        args.insert(args.end(), page.Page.begin(), page.Page.end());
        const CliRun r = Cli(args);
        if (WithoutQt(r)) GTEST_SKIP() << r.Err;
        ASSERT_EQ(r.Status, 0) << r.Err;
        EXPECT_EQ(r.Out.rfind("error\t", 0), 0u) << r.Out;  // 900 °C is outside R134a's range
        const std::string info = Output("pdfinfo '" + path + "'");
        EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
        EXPECT_NE(info.find(page.Size), std::string::npos) << info;
        const std::string text = Output("pdftotext '" + path + "' -");
        for (const char* words : {"R134a", "Tillner-Roth & Baehr (1994)", "h [kJ/kg]", "p [bar(a)]",
                                  "2.345", "12.5", "7.654", "66.6"})
            EXPECT_NE(text.find(words), std::string::npos) << words << "\n" << text;
    }
    EXPECT_EQ(Cli({"diagram", "R134a", "ph", "--out", dir + "/x.pdf", "--page", "a3"}).Status, 2);
}

// The SVG's title names the fluid and the chart; each marked state's number is drawn twice, beside
// its point and at the head of its legend row: two texts "1" and two "2" more than the chart
// without states has (its axes may carry them as ticks).
TEST(CliDiagramFile, TheSvgTitleNamesTheFluidAndTheMarksAreNumbered) {
    const std::string dir = Folder("svg_title");
    const auto count = [](const std::string& svg, const std::string& text) {
        std::size_t n = 0;
        for (std::size_t at = svg.find(text); at != std::string::npos; at = svg.find(text, at + 1))
            ++n;
        return n;
    };
    for (const auto& [library, kind, title] :
         {std::tuple{"R134a", "ph", "<title>R134a log p-h diagram</title>"},
          std::tuple{"water", "ts", "<title>water T-s diagram</title>"}}) {
        const std::string marked = dir + "/" + kind + ".svg", plain = dir + "/plain.svg";
        const CliRun r = Cli({"diagram", library, kind, "--state", "pT", "1.5", "20", "--state",
                              "pT", "3.5", "50", "--out", marked});
        if (WithoutQt(r)) GTEST_SKIP() << r.Err;
        ASSERT_EQ(r.Status, 0) << r.Err;
        ASSERT_EQ(Cli({"diagram", library, kind, "--out", plain}).Status, 0);
        const std::string svg = Content(marked), without = Content(plain);
        EXPECT_NE(svg.find(title), std::string::npos) << library;
        EXPECT_EQ(svg.find("Varnexa diagram"), std::string::npos);
        for (const char* number : {">1</text>", ">2</text>"})
            EXPECT_EQ(count(svg, number), count(without, number) + 2) << library << number;
        EXPECT_EQ(count(svg, ">3</text>"), count(without, ">3</text>")) << library;
    }
}

// --dpi sets a PNG's stored resolution (96 dpi without it) at the pixel size of --size.
TEST(CliDiagramFile, DpiSetsThePngResolution) {
    const std::string dir = Folder("dpi");
    for (const auto& [dpi, perMetre] : {std::pair{"", 3780L}, {"300", 11811L}, {"150", 5906L}}) {
        const std::string path = dir + "/chart" + dpi + ".png";
        std::vector<std::string> args{"diagram",  "R134a", "ph", "--size",
                                      "1200x900", "--out", path};
        if (*dpi) args.insert(args.end(), {"--dpi", dpi});
        const CliRun r = Cli(args);
        if (WithoutQt(r)) GTEST_SKIP() << r.Err;
        ASSERT_EQ(r.Status, 0) << r.Err;
        const std::string png = Content(path);
        EXPECT_EQ(DotsPerMetre(png), perMetre) << dpi;
        // Width and height from the IHDR chunk.
        ASSERT_GT(png.size(), 24u);
        EXPECT_EQ(static_cast<unsigned char>(png[18]) * 256 + static_cast<unsigned char>(png[19]),
                  1200);
    }
    EXPECT_EQ(Cli({"diagram", "R134a", "ph", "--dpi", "5", "--out", dir + "/x.png"}).Status, 2);
}

}  // namespace

// --range-x and --range-y set the view in the units shown, --step a family's step (0 or off: no
// such lines): R134a at 1 to 30 bar with isotherms every 5 K labels -25 °C, and without
// isotherms and isochores no line is labelled in °C or kg/m3.
TEST(CliDiagramFile, RangesAndStepsSetTheViewAndTheLines) {
    const std::string dir = Folder("steps");
    const CliRun r = Cli({"diagram", "r134a", "ph", "--range-x", "150", "450", "--range-y", "1",
                          "30", "--step", "T=5", "--out", dir + "/zoom.svg"});
    if (WithoutQt(r)) GTEST_SKIP() << r.Err;
    ASSERT_EQ(r.Status, 0) << r.Err;
    const std::string zoom = Content(dir + "/zoom.svg");
    for (const char* label : {">-25 °C</text>", ">35 °C</text>", ">450</text>", ">30</text>"})
        EXPECT_NE(zoom.find(label), std::string::npos) << label;
    ASSERT_EQ(Cli({"diagram", "r134a", "ph", "--step", "T=off", "--step", "v=0", "--out",
                   dir + "/off.svg"})
                  .Status,
              0);
    const std::string off = Content(dir + "/off.svg");
    EXPECT_EQ(off.find("°C</text>"), std::string::npos);
    EXPECT_EQ(off.find("kg/m3</text>"), std::string::npos);
    EXPECT_NE(off.find("kJ/kgK</text>"), std::string::npos);  // the isentropes stay
    // Negative values are values; what is not a range or a step is a usage error.
    EXPECT_EQ(
        Cli({"diagram", "r134a", "ts", "--range-y", "-40", "100", "--out", dir + "/t.svg"}).Status,
        0);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--step", "q=5"},
                                                {"--step", "T"},
                                                {"--step", "T=-1"},
                                                {"--step", "v=0.1"},
                                                {"--range-x", "5", "1"},
                                                {"--range-y", "0", "10"},
                                                {"--range-x", "1"}}) {
        std::vector<std::string> args{"diagram", "r134a", "ph", "--out", dir + "/bad.svg"};
        args.insert(args.end(), bad.begin(), bad.end());
        const CliRun b = Cli(args);
        EXPECT_EQ(b.Status, 2) << bad[0] << " " << bad[1];
        EXPECT_EQ(b.Err.rfind("varnexa-cli: ", 0), 0u) << b.Err;
    }
}
