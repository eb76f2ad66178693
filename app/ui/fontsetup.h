#pragma once

namespace lexarion {

// Maps the face names the windows ask for to installed faces: "宋体"/"SimSun" to a Song/Ming
// face, "隶书" to a Kai face, the phonetic face to an IPA-capable one when it is missing.
void SetUpFontSubstitutes();

} // namespace lexarion
