#pragma once
// The explorer's commands of varnexa-cli: `state` (a whole state from an input pair) and
// `table` (saturation, isobar and isotherm tables). Each runs in its subcommand's callback and
// reports a usage error as a CLI11 validation error, so the caller's parse handler prints it.
#include <iosfwd>

namespace CLI {
class App;
}
class TKXLibraries;

// The commands read registry, which must outlive the parse.
void RegisterExplorerCommands(CLI::App& app, const TKXLibraries& registry, std::ostream& out);
