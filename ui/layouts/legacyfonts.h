// Stand-ins for the Windows font that the window designs name, which Linux does not have.
#pragma once

namespace tessaro::layouts {

inline constexpr char kLegacyFontFamily[] = "MS Sans Serif";
// Same pixel size (8.25 pt = 11 px at 96 dpi) and wide enough that the results message keeps
// its two lines; it ships with every Debian that has Qt (fonts-dejavu-core).
inline constexpr char kLegacyFontSubstitute[] = "DejaVu Sans";

// Makes kLegacyFontFamily resolve to kLegacyFontSubstitute. Call once at program start, before
// any form is set up; calling it again changes nothing.
void InstallLegacyFontSubstitutes();

}  // namespace tessaro::layouts
