// The graphics unit of the host: colours, fonts, pens, brushes, canvases,
// bitmaps, icons, metafiles and pictures, drawing through the running
// widgetset (host/widgetset).
//
// Start-up order (each step counted, undone in reverse):
//   RegisterHostClasses();        host/classes: component streaming
//   RegisterHeadlessWidgetSet();  host/widgetset/headless (and other backends)
//   InitializeWidgetSet();        host/widgetset: starts the chosen backend
//   RegisterGraphicsClasses();    this unit
#pragma once

#include <span>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/colors.h"
#include "host/graphics/graphic.h"
#include "host/graphics/graphicsobj.h"
#include "host/graphics/icon.h"
#include "host/graphics/metafile.h"
#include "host/graphics/picture.h"

namespace host {

// Registers what form files and pictures need of this unit: the published
// properties of TFont, TPen and TBrush, the identifiers of colours and
// character sets, the streamable classes, and the classic file formats
// (bmp, ico, emf, wmf) and clipboard formats (CF_BITMAP, CF_ENHMETAFILE) of
// TPicture. Counted like RegisterHostClasses.
void RegisterGraphicsClasses();
void UnregisterGraphicsClasses();

// Every class of the graphics unit, parents before children.
std::span<const TClass> GraphicsClasses();

}  // namespace host
