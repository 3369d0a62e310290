// No picture yet: the drawing module replaces these.
#include "cli/command.h"
#include "cli/run_picture.h"

namespace cli {

std::unique_ptr<textcalc::PictureAccess> openRunPicture() { return nullptr; }

void saveRunPicture(textcalc::PictureAccess&, const std::filesystem::path&)
{
    throw UsageError("--picture: this build has no picture");
}

} // namespace cli
