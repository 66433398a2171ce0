// varnexa-cli diagram and its files: a platform without a display falls back to offscreen
// quietly, and a write that fails leaves no truncated file and an existing one as it was. The
// first test must create the process's Qt application, so these live in an executable of their
// own.
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
