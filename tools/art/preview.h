// Composed pictures of the windows with sample texts, to judge the art; not part of the skin.
#pragma once

#include <string>

namespace art {

// Writes main_preview.png, shrunk_preview.png, cells_preview.png and soft_box_preview.png into dir.
void write_previews(const std::string& dir);

}  // namespace art
