#pragma once
// `varnexa-cli batch`: reads lines "FUNCTION [X1 [X2]]" and writes one `call` line per line, in
// order; a malformed line gives "ERROR<TAB>message" and the run goes on.
#include <iosfwd>

class TKXLibraries;

void RunBatch(const TKXLibraries& registry, std::istream& in, std::ostream& out);
