// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

namespace zelmora {

// Puts a PDF that Qt wrote into the forms other programs keep when they take it in, without
// changing what it shows:
// - colours in the device colour spaces themselves (/DeviceRGB), rather than through names in the
//   page resources that a word processor's PDF import drops, which leaves the blue lines black;
// - the blank's glyph read back as a blank (U+0020), where Qt's text layer names it a tab;
// - bold text drawn once, filled and outlined, where Qt draws it twice a fraction apart;
// - each font under the name its descriptor gives it, the subset's tag included;
// - the document's language, Japanese;
// - each text drawn in a reading's tag (readingTag) in its own colour again, read as that reading:
//   a label's first part as the whole label, its other parts as nothing.
// Anything it does not recognise it leaves as it is; a document it cannot read comes back unchanged.
QByteArray tidyPdf(const QByteArray& pdf, const QStringList& readings = {});

} // namespace zelmora
