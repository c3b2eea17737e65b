#pragma once

namespace duomira {

// Qt tells screen readers the characters typed into a password box as they
// are, and they read them aloud. Once called, every masked entry's text
// events carry the mask instead, so the access number stays private.
void maskTypedTextForScreenReaders();

} // namespace duomira
