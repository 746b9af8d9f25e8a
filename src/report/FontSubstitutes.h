#pragma once

namespace gw::report {

// Layouts name the fonts of the system they were made on.  The metric-compatible Liberation
// faces stand in for them, so that text measures as it did there: "Arial" becomes Liberation
// Sans, "Times New Roman" Liberation Serif and "Courier New" Liberation Mono.  Needs the
// QGuiApplication; calling it again does nothing.
void installFontSubstitutes();

} // namespace gw::report
