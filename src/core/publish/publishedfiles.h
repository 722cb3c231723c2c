#pragma once

#include <string>
#include <vector>

namespace pagoranto {

// What a gallery folder publishes: its pages (the HTML files in the folder itself) and every
// local file they lead to, followed through linked pages and style sheets (src, href,
// background, srcset, url()). Sorting lists, descriptions, option files and files no page links
// stay at home.
struct PublishedFiles {
    // Relative to the gallery folder, "/"-separated, sorted; the server gets the same tree.
    std::vector<std::string> files;
    // Links that lead out of the gallery folder ("../x.jpg", "/x.jpg"): not sent, and they
    // will not work on the server unless the same file is there.
    std::vector<std::string> outside;
    // Links to local files that are missing.
    std::vector<std::string> missing;
};

PublishedFiles ListPublishedFiles(const std::string &galleryFolder);

} // namespace pagoranto
