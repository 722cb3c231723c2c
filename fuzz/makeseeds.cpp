// Writes the generated part of the seed corpora (option files, lists, small pictures) below the
// corpus folder given; the layouts and configurations from data/ are copied by hand.
#include "core/options/completeconfiguration.h"
#include "core/options/gallerysettings.h"
#include "core/options/startupoptions.h"
#include "core/options/tmrufiles.h"
#include "core/pictures/descriptionstore.h"
#include "core/pictures/sortinglist.h"
#include "tests/support/libjpegencoding.h"
#include "tests/support/testpictures.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

using namespace pagoranto;
using namespace pagoranto::testing;

namespace {

std::string FileBytes(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::filesystem::path &file, std::string_view bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// A progressive 4:2:2 picture with restart markers, which the engine's encoder does not write.
std::string ProgressiveWithRestarts(const RgbImage &image)
{
    return EncodeWithLibjpeg(image, {.lumaV = 1, .restartInterval = 2, .quality = 50});
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: makeseeds CORPUS_FOLDER\n";
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    const std::filesystem::path scratch = corpus / ".scratch";
    std::filesystem::create_directories(scratch / "thumbnailer");

    // The option files of a program end, each prefixed with the byte that picks its reader.
    GallerySettings settings;
    settings.hidden.editfield_html[1] = "<i>$count$/$TOTAL$</i>";
    WriteShutdownOptions(scratch.string() + "/", settings,
                         ThumbnailerFile{"out/", "../pictures", {}});
    const char *optionFiles[] = {"pgrooptions.cfg", nullptr,          "headerandfooter.cfg",
                                 "hcoptions.cfg",   "navoptions.cfg", "thumbnailer/mtoptions.cfg",
                                 "webtools.cfg",    "tools.cfg"};
    for (int reader = 0; reader < 8; ++reader) {
        if (!optionFiles[reader])
            continue;
        const std::string bytes = FileBytes(scratch / optionFiles[reader]);
        Write(corpus / "optionfiles" / ("reader" + std::to_string(reader)),
              std::string(1, char(reader)) + bytes);
        if (reader == 0)
            Write(corpus / "optionfiles" / "startup", std::string(1, char(9)) + bytes);
    }
    Write(corpus / "optionfiles" / "reader1",
          std::string(1, char(1)) + "[ADDITIONALOPTIONS]\r\nNEXT=Next\r\nPREV=Previous\r\n");
    TMRUFiles history;
    history.Add("/home/someone/photos/");
    history.Add("/home/someone/holiday/");
    history.SaveToFile(scratch / "usedpaths.list");
    Write(corpus / "optionfiles" / "reader8",
          std::string(1, char(8)) + FileBytes(scratch / "usedpaths.list"));

    SaveSortingList(corpus / "sortinglist" / "plain", {"b.jpg", "a.jpg", "sub\\c.jpg"});

    DescriptionStore descriptions;
    descriptions.StoreDescription("a.jpg", {"A garden", "with <b>roses</b> & more"});
    descriptions.StoreDescription("b.jpg", {"$FILENAME$ at dusk"});
    descriptions.Save(scratch / "description.desc");
    Write(corpus / "descriptionstore" / "two",
          FileBytes(scratch / "description.desc") + "\n@@\na.jpg\nb.jpg\nc.jpg\n@@\nnew line\n");

    const std::string jpeg = EncodePicture(GradientPicture(24, 16)).jpeg;
    JpegEncodeOptions progressive;
    progressive.progressive = true;
    progressive.comment = "made for the fuzzers";
    JpegEncodeOptions grey;
    grey.greyscale = true;
    grey.quality = 20;
    const std::string progressiveJpeg = EncodePicture(GradientPicture(9, 7), progressive).jpeg;
    const std::string greyJpeg = EncodePicture(RedOverBluePicture(8, 8), grey).jpeg;
    for (const char *target : {"jpegsize", "exiforientation"}) {
        Write(corpus / target / "baseline.jpg", jpeg);
        Write(corpus / target / "progressive.jpg", progressiveJpeg);
        Write(corpus / target / "turned.jpg", WithExifOrientation(greyJpeg, 6));
        Write(corpus / target / "damaged.jpg", DamagedJpeg());
    }
    Write(corpus / "jpegdecoder" / "baseline", std::string(1, char(0)) + jpeg);
    Write(corpus / "jpegdecoder" / "progressive-half", std::string(1, char(1)) + progressiveJpeg);
    Write(corpus / "jpegdecoder" / "grey-eighth", std::string(1, char(3)) + greyJpeg);

    JpegEncodeOptions progressiveGrey = grey;
    progressiveGrey.progressive = true;
    Write(corpus / "progressivedc" / "colour.jpg",
          EncodePicture(GradientPicture(41, 23), progressive).jpeg);
    Write(corpus / "progressivedc" / "grey.jpg",
          EncodePicture(RedOverBluePicture(17, 9), progressiveGrey).jpeg);
    Write(corpus / "progressivedc" / "restarts.jpg",
          ProgressiveWithRestarts(GradientPicture(37, 21)));

    std::filesystem::remove_all(scratch);
    return 0;
}
