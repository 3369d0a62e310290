// The skin loader: any skin file gives a skin whose views a window can show.
#include "ui/skin.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const platform::IniFile file(fuzz::writeFile("skins/s.ini", fuzz::asText(data, size)));
    ui::Skin skin = ui::loadSkin(file);
    ui::refuseHiddenViews(skin);
    fuzz::require(skin.width >= 16 && skin.height >= 16 && skin.upwidth >= 16 && skin.upheight >= 16,
                  "both views can be seen");
    fuzz::require(skin.width <= 8192 && skin.height <= 8192, "the window fits a desktop");
    ui::titleButtonsError(skin, false);
    ui::titleButtonsError(skin, true);
    for (const ui::LabelPlace& l : skin.labels)
        fuzz::require(l.size >= 1 && l.size <= 200 && l.width >= 0 && l.height >= 0, "labels are drawable");
    for (const ui::KeyPlace& k : skin.keys)
        fuzz::require(k.width >= 0 && k.height >= 0, "keys are drawable");
    return 0;
}
