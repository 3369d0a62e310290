// The drawing module of zoltcalc-cli: the only part of the command line that links Qt. The CLI
// loads it with dlopen when a program first touches the picture, so runs that draw nothing
// (and every other subcommand) start without loading Qt at all.
#include "textcalc/picture.h"

extern "C" {

__attribute__((visibility("default"))) textcalc::PictureAccess* zoltcalc_picture_create()
{
    return new textcalc::Picture();
}

// Saves as BMP, PNG or JPEG by the file's extension (JPEG at quality 100).
__attribute__((visibility("default"))) bool zoltcalc_picture_save(textcalc::PictureAccess* picture, const char* file)
{
    return static_cast<textcalc::Picture*>(picture)->save(file, 100);
}

}
