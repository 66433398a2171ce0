#pragma once
// Pictures of the window's picture buttons and the window icon, drawn in code so the program
// ships no image files it did not make itself.
#include <QIcon>

namespace kxicons {
QIcon Cut();
QIcon Copy();
QIcon Paste();
QIcon Pi();
QIcon Store();    // a value going into the memory
QIcon Restore();  // a value coming out of the memory
QIcon Window();   // the program's icon: a calculator with a water drop
}  // namespace kxicons
