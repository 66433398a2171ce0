// The entry point of the drawing module (varnexa-render.so): the only symbol it exports.
#include "KXDiagramFile.h"
#include "KXDiagramModule.h"
#include "KXPsychroPainter.h"

extern "C" __attribute__((visibility("default"))) int varnexa_draw_diagram_file(
    TKXDiagramRequest* request) {
    if (!request) return 0;
    // A request of another layout cannot even take the reason.
    if (request->Layout != KXDiagramRequestLayout) return -1;
    if (request->Psychro) {
        TKXPsychroPainter psychro(*request->Psychro, *request->Units);
        psychro.SetState(request->State ? std::optional(*request->State) : std::nullopt);
        psychro.SetSize(QSize(request->Width, request->Height));
        return SaveDrawing([&psychro](QPainter& p) { psychro.Paint(p); }, request->Path,
                           QSize(request->Width, request->Height), request->Error)
                   ? 1
                   : 0;
    }
    TKXDiagramPainter painter(*request->Diagram, *request->Units);
    if (request->State) painter.SetState(*request->State);
    if (request->Cycle) painter.SetCycle(*request->Cycle);
    return SaveDiagram(painter, request->Path, QSize(request->Width, request->Height),
                       request->Error)
               ? 1
               : 0;
}
