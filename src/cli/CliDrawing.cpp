#include "CliDrawing.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Where the module is looked for, first found wins:
//   1. $VARNEXA_RENDER_MODULE, the module file's path (the tests, an unusual layout); when set it
//      is the only place.
//   2. Beside the running executable (/proc/self/exe): the build tree, where the module is built
//      into varnexa-cli's folder.
//   3. ../lib/varnexa/ from the executable's folder: an installed bin/varnexa-cli with the module
//      in lib/varnexa/.
std::vector<fs::path> Candidates() {
    if (const char* named = std::getenv("VARNEXA_RENDER_MODULE"); named && *named) return {named};
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const fs::path folder = self.parent_path();
    return {folder / KXDrawingModuleName,
            (folder / ".." / "lib" / "varnexa" / KXDrawingModuleName).lexically_normal()};
}

// The entry point, loaded once per process; Qt is never unloaded.
TKXDrawDiagramFile LoadEntry(std::string& error) {
    static TKXDrawDiagramFile entry = nullptr;
    if (entry) return entry;
    const std::vector<fs::path> candidates = Candidates();
    std::string looked;
    for (const fs::path& path : candidates) {
        std::error_code ec;
        if (!fs::is_regular_file(path, ec)) {
            looked += (looked.empty() ? "" : ", ") + path.string();
            continue;
        }
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* reason = dlerror();
            error = "cannot load the drawing module " + path.string() + ": " +
                    (reason ? reason : "unknown reason");
            return nullptr;
        }
        entry = reinterpret_cast<TKXDrawDiagramFile>(dlsym(handle, KXDrawDiagramFileSymbol));
        if (!entry) error = path.string() + " is not the drawing module of this varnexa-cli";
        return entry;
    }
    error = std::string("cannot draw diagrams: the drawing module ") + KXDrawingModuleName +
            " is missing (looked for " + (looked.empty() ? "the executable's folder" : looked) +
            ")";
    return nullptr;
}

}  // namespace

bool DrawDiagramFile(TKXDiagramRequest& request, std::string& error) {
    const TKXDrawDiagramFile entry = LoadEntry(error);
    if (!entry) return false;
    const int written = entry(&request);
    if (written == 1) return true;
    error = written == 0 ? request.Error
                         : std::string("the drawing module belongs to another build of Varnexa");
    return false;
}
