#pragma once
// varnexa-cli: list, info, call, batch, eval, convert and show, and the explorer's commands, for
// scripts and black-box tests.
#include <iosfwd>

class TKXLibraries;

// Runs one command line. Returns 0 when the command ran (whatever code a library function
// returned), 2 for a usage error and 1 when out cannot be written or batch cannot read standard
// input; an error is reported in one line on err.
int RunVarnexaCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                  std::ostream& err);

// The same over another registry than the program's (tests register libraries of their own).
int RunVarnexaCli(const TKXLibraries& registry, int argc, const char* const* argv, std::istream& in,
                  std::ostream& out, std::ostream& err);
