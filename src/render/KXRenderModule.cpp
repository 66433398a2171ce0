// The entry point of the drawing module (varnexa-render.so): the only symbol it exports.
#include "KXDiagramFile.h"
#include "KXDiagramModule.h"
#include "KXPsychroPainter.h"

extern "C" __attribute__((visibility("default"))) int varnexa_draw_diagram_file(
    TKXDiagramRequest* request) {
    if (!request) return 0;
    // A request of another layout cannot even take the reason.
    if (request->Layout != KXDiagramRequestLayout) return -1;
    TKXDiagramFileOptions options;
    options.Size = QSize(request->Width, request->Height);
    options.Dpi = request->Dpi;
    options.Page = request->Letter ? QPageSize::Letter : QPageSize::A4;
    if (request->Psychro) {
        TKXPsychroPainter psychro(*request->Psychro, *request->Units);
        psychro.SetState(request->State ? std::optional(*request->State) : std::nullopt);
        const auto paint = [&psychro](QPainter& p, QSize size) {
            psychro.SetSize(size);
            psychro.Paint(p);
        };
        return SaveDrawing(paint, psychro.Title().toStdString(), request->Path, options,
                           request->Error)
                   ? 1
                   : 0;
    }
    TKXDiagramPainter painter(*request->Diagram, *request->Units);
    if (request->State) painter.SetState(*request->State);
    if (request->Title) painter.SetTitle(*request->Title);
    if (request->Cycle) painter.SetCycle(*request->Cycle);
    if (request->CyclePoints) painter.SetCyclePoints(*request->CyclePoints);
    if (request->Marks) painter.SetMarks(*request->Marks);
    return SaveDiagram(painter, request->Path, options, request->Error) ? 1 : 0;
}
