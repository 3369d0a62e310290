#pragma once
// The picture of `zoltcalc-cli run`, provided by the drawing module (cmd_run_picture.cpp).
#include "textcalc/language/picture_access.h"

#include <filesystem>
#include <memory>

namespace cli {

// The picture the run's drawing statements paint on; null when this build has none.
std::unique_ptr<textcalc::PictureAccess> openRunPicture();
// Saves the picture as BMP, PNG or JPEG by the file's extension; throws UsageError when the
// file cannot be written.
void saveRunPicture(textcalc::PictureAccess& picture, const std::filesystem::path& file);

} // namespace cli
