#pragma once
// The demo skin's images, drawn with the framework's own canvas (no files are shipped or downloaded).
#include <string>

namespace demo {

// Writes btn_normal/hot/pushed.png, opt_normal/selected.png and title_band.png into `folder` (which must
// exist and end with a separator). False, with a message on standard error, when a file cannot be written.
bool WriteDemoImages(const std::string& folder);

}  // namespace demo
