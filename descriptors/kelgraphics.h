// Descriptors of the host's graphics unit: fonts, pens, brushes, canvases, graphics, pictures, metafiles, bitmaps,
// icons and their shared images.
#pragma once

namespace kel::kelgraphics {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised).
void Initialize();
void Finalize();

}  // namespace kel::kelgraphics
