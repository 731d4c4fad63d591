// Descriptors of the host's graphics unit: fonts, pens, brushes, canvases, graphics, pictures, metafiles, bitmaps,
// icons and their shared images. The 15 classes are written in two groups (drawing tools, pictures); this unit
// registers them all, in the library's order.
#pragma once

#include "descriptors/kelgraphics_images.h"
#include "descriptors/kelgraphics_objects.h"

namespace kel {

// The unit's descriptors in the order of the library's descriptor table.
using TkelGraphicsDescriptors =
    TkelDescriptorList<TGraphicsObjectClassInfo, TFontClassInfo, TPenClassInfo, TBrushClassInfo, TCanvasClassInfo,
                       TGraphicClassInfo, TPictureClassInfo, TMetafileCanvasClassInfo, TSharedImageClassInfo,
                       TMetafileImageClassInfo, TMetafileClassInfo, TBitmapImageClassInfo, TBitmapClassInfo,
                       TIconImageClassInfo, TIconClassInfo>;

}  // namespace kel

namespace kel::kelgraphics {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised). Finalize has nothing
// to release: the texts are constants.
void Initialize();
void Finalize();

}  // namespace kel::kelgraphics
