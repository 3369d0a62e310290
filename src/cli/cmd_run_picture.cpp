// The picture of `zoltcalc-cli run`: a Picture of the default size. Drawing shapes needs no
// GUI application; the first text label starts an offscreen one for the fonts.
#include "cli/command.h"
#include "cli/run_picture.h"

#include "textcalc/picture.h"

namespace cli {

std::unique_ptr<textcalc::PictureAccess> openRunPicture()
{
    return std::make_unique<textcalc::Picture>();
}

void saveRunPicture(textcalc::PictureAccess& picture, const std::filesystem::path& file)
{
    if (!static_cast<textcalc::Picture&>(picture).save(file.string(), 100))
        throw UsageError("--picture: cannot write " + file.string());
}

} // namespace cli
