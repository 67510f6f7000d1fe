// Frame arithmetic for captioned dialog-frame windows.
#include "windowmetrics.h"

namespace tessaro::platform {

namespace {

int TopBandPixels(bool hasMenu)
{
    return kDialogFramePixels + kCaptionPixels + (hasMenu ? kMenuBarPixels : 0);
}

}  // namespace

WindowRect AdjustWindowRect(WindowRect client, bool hasMenu)
{
    return WindowRect{
        client.left - kDialogFramePixels,
        client.top - TopBandPixels(hasMenu),
        client.right + kDialogFramePixels,
        client.bottom + kDialogFramePixels,
    };
}

PixelSize ClientSizeForOuter(PixelSize outer, bool hasMenu)
{
    return PixelSize{
        outer.width - 2 * kDialogFramePixels,
        outer.height - TopBandPixels(hasMenu) - kDialogFramePixels,
    };
}

}  // namespace tessaro::platform
