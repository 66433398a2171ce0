#pragma once
// varnexa-cli: list, call, batch, eval, convert and show, for scripts and black-box tests.
#include <iosfwd>

// Runs one command line. Returns 0 when the command ran (whatever code a library function
// returned), 2 for a usage error and 1 when out cannot be written or batch cannot read standard
// input; an error is reported in one line on err.
int RunVarnexaCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                  std::ostream& err);
