#pragma once

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace pagoranto {

// Keeps libjpeg from printing or ending the program. An error jumps back to the setjmp on `jump`
// with the library's message kept in `message`; warnings are counted and the first is kept.
// The owner must have called setjmp on `jump` before any libjpeg call that may fail.
struct JpegErrorManager {
    jpeg_error_mgr library{}; // first, so libjpeg's pointer to it also points to the whole
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX]{};
    char firstWarning[JMSG_LENGTH_MAX]{};
};

jpeg_error_mgr *InstallJpegErrorManager(JpegErrorManager &manager);

// For failures found outside the library while it runs (in a callback): reported like its own.
[[noreturn]] void FailJpeg(j_common_ptr info, const char *message);

} // namespace pagoranto
