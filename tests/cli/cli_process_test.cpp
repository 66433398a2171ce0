// The built varnexa-cli as a process: a command that draws nothing loads no Qt library (loading
// one costs every scripted call about ten milliseconds and five megabytes), the drawing
// commands load the drawing module on demand, beside the executable or from ../lib/varnexa/ of
// an installed one, and a missing or broken module is a usage error with its reason.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TRun {
    int Status = -1;
    std::string Out, Err;
    std::set<std::string> Loaded;  // the file names of the shared objects the process loaded
};

std::string Content(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

// A folder of this process: ctest runs the tests of this file side by side.
fs::path Folder(const std::string& name) {
    const fs::path dir =
        fs::path(testing::TempDir()) / ("cli_process_" + std::to_string(getpid()) + "_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

// Runs exe with args in a fresh folder, without a module named by the environment; the dynamic
// loader's own log (LD_DEBUG=files) tells every shared object the process loaded, at start or
// by dlopen.
TRun RunCli(const fs::path& exe, const std::vector<std::string>& args) {
    const fs::path dir = Folder("run");
    std::string command = "cd '" + dir.string() + "' && env -u VARNEXA_RENDER_MODULE " +
                          "LD_DEBUG=files LD_DEBUG_OUTPUT=loader '" + exe.string() + "'";
    for (const std::string& a : args) command += " '" + a + "'";
    command += " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    TRun r;
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Out = Content(dir / "out.txt");
    r.Err = Content(dir / "err.txt");
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().filename().string().rfind("loader.", 0) != 0) continue;
        std::istringstream log(Content(entry.path()));
        for (std::string line; std::getline(log, line);) {
            const auto at = line.find("file=");
            if (at == std::string::npos) continue;
            const std::string file = line.substr(at + 5, line.find(' ', at) - at - 5);
            r.Loaded.insert(fs::path(file).filename().string());
        }
    }
    fs::remove_all(dir);
    return r;
}

bool LoadsQt(const TRun& r) {
    for (const std::string& file : r.Loaded)
        if (file.rfind("libQt", 0) == 0) return true;
    return false;
}

#ifdef VARNEXA_TEST_RENDER_MODULE
constexpr bool Drawing = true;
#else
constexpr bool Drawing = false;
#endif

TEST(CliProcess, OnlyTheDrawingCommandsLoadQt) {
    const std::string svg = (Folder("svg") / "chart.svg").string();
    const struct {
        std::vector<std::string> Args;
        bool Draws;
        std::string OutStart;
    } cases[] = {
        {{"call", "KX_WS_IF97_HPT", "10", "200"}, false, "2828.26"},
        {{"list"}, false, "KX_WS_IF97\n"},
        {{"state", "water", "pT", "10", "200"}, false, "T\t200\t"},
        {{"table", "water", "saturation", "--T", "100", "120", "10"}, false, "T [°C]\t"},
        {{"cycle", "rankine", "water", "--p-boiler", "80", "--T-live", "500", "--p-cond", "0.1"},
         false,
         "point\t"},
        {{"diagram", "water", "ts", "--out", svg}, true, ""},
        {{"cycle", "rankine", "water", "--p-boiler", "80", "--T-live", "500", "--p-cond", "0.1",
          "--diagram", svg},
         true,
         "point\t"},
    };
    for (const auto& c : cases) {
        fs::remove(svg);
        const TRun r = RunCli(VARNEXA_CLI_EXE, c.Args);
        std::string name;
        for (const std::string& a : c.Args) name += a + " ";
        // The log is read: the C++ runtime is among what it names.
        ASSERT_TRUE(r.Loaded.count("libstdc++.so.6")) << name;
        if (c.Draws && !Drawing) {
            EXPECT_EQ(r.Status, 2) << name;
            EXPECT_NE(r.Err.find("without Qt"), std::string::npos) << name << ": " << r.Err;
            EXPECT_FALSE(LoadsQt(r)) << name;
            continue;
        }
        EXPECT_EQ(r.Status, 0) << name << ": " << r.Err;
        EXPECT_EQ(r.Err, "") << name;
        EXPECT_EQ(r.Out.rfind(c.OutStart, 0), 0u) << name << ": " << r.Out;
        EXPECT_EQ(LoadsQt(r), c.Draws) << name;
        EXPECT_EQ(r.Loaded.count("varnexa-render.so"), c.Draws ? 1u : 0u) << name;
        if (c.Draws) {
            EXPECT_NE(Content(svg).find("<svg"), std::string::npos) << name;
        }
    }
    fs::remove_all(fs::path(svg).parent_path());
}

#ifdef VARNEXA_TEST_RENDER_MODULE
// An installed layout, bin/varnexa-cli and lib/varnexa/varnexa-render.so: the module is found
// from the executable's own path. Without it, or with a file that is no module, `diagram` is a
// usage error that names what it looked for, and writes nothing.
TEST(CliProcess, TheInstalledModuleIsFoundAndAMissingOneIsAUsageError) {
    const fs::path root = Folder("installed");
    fs::create_directories(root / "bin");
    fs::create_directories(root / "lib" / "varnexa");
    const fs::path exe = root / "bin" / "varnexa-cli";
    const fs::path module = root / "lib" / "varnexa" / "varnexa-render.so";
    fs::copy_file(VARNEXA_CLI_EXE, exe);
    fs::copy_file(VARNEXA_TEST_RENDER_MODULE, module);
    const fs::path svg = root / "chart.svg";
    const std::vector<std::string> args = {"diagram", "R134a", "ph", "--out", svg.string()};

    const TRun drawn = RunCli(exe, args);
    EXPECT_EQ(drawn.Status, 0) << drawn.Err;
    EXPECT_EQ(drawn.Out + drawn.Err, "");
    EXPECT_NE(Content(svg).find("<svg"), std::string::npos);

    fs::remove(svg);
    fs::remove(module);
    const TRun missing = RunCli(exe, args);
    EXPECT_EQ(missing.Status, 2);
    EXPECT_EQ(missing.Out, "");
    EXPECT_EQ(missing.Err,
              "varnexa-cli: cannot draw diagrams: the drawing module varnexa-render.so is missing "
              "(looked for " +
                  (root / "bin" / "varnexa-render.so").string() + ", " + module.string() + ")\n");
    EXPECT_FALSE(LoadsQt(missing));

    std::ofstream(module) << "not a shared object\n";
    const TRun broken = RunCli(exe, args);
    EXPECT_EQ(broken.Status, 2);
    EXPECT_EQ(broken.Err.rfind("varnexa-cli: cannot load the drawing module " + module.string(), 0),
              0u)
        << broken.Err;
    EXPECT_FALSE(fs::exists(svg));
    fs::remove_all(root);
}
#endif

}  // namespace
