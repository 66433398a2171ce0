#pragma once
// One run of varnexa-cli inside the test process: arguments, standard input, and what it wrote
// and returned.
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "KX_Libraries_Catalogue.h"
#include "VarnexaCli.h"

#ifdef VARNEXA_TEST_RENDER_MODULE
// The drawing module lies beside varnexa-cli, not beside the test executables: name it, unless
// the environment names one already.
inline const bool RenderModuleNamed =
    setenv("VARNEXA_RENDER_MODULE", VARNEXA_TEST_RENDER_MODULE, 0) == 0;
#endif

struct CliRun {
    int Status;
    std::string Out, Err;
};

// The command line with the program's registry, or with a registry of the test's own.
inline CliRun Cli(const TKXLibraries& registry, std::vector<std::string> args,
                  const std::string& input = "") {
    args.insert(args.begin(), "varnexa-cli");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status =
        RunVarnexaCli(registry, static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

inline CliRun Cli(std::vector<std::string> args, const std::string& input = "") {
    return Cli(KXRegistry(), std::move(args), input);
}
