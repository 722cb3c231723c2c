#include "core/options/thumbnailoptionsfile.h"

namespace pagoranto {

OptionEntries ThumbnailerEntries(std::string &destinationDir, std::string &pictureRelPath,
                                 ThumbnailOptions &options)
{
    using namespace thumbnailFields;
    return {
        Bind(thumbnailerFileFields::destinationDir, destinationDir),
        Bind(thumbnailerFileFields::pictureRelPath, pictureRelPath),
        Bind(thumbdir, options.thumbdir),
        Bind(ScrollBar2, options.ScrollBar2),
        Bind(ScrollBar3, options.ScrollBar3),
        Bind(ScrollBar1, options.ScrollBar1),
        Bind(Panel11, options.Panel11),
        Bind(CheckBox1, options.CheckBox1),
        // TIME and ACTI mean something to the thumbnailer only; their values are fixed.
        FixedEntry("TIME", "100"),
        FixedEntry("ACTI", "1"),
        Bind(ScrollBar6, options.ScrollBar6),
        Bind(ScrollBar5, options.ScrollBar5),
        Bind(Panel12, options.Panel12),
        Bind(RadioGroup2, options.RadioGroup2),
        Bind(Drei3d_check, options.Drei3d_check),
        Bind(ScrollBar4, options.ScrollBar4),
    };
}

OptionEntries ThumbnailerFileEntries(ThumbnailerFile &values)
{
    return ThumbnailerEntries(values.destinationDir, values.pictureRelPath, values.options);
}

} // namespace pagoranto
