#include "core/pictures/jpegerrormanager.h"

#include <cstring>

namespace pagoranto {

namespace {

JpegErrorManager &ManagerOf(j_common_ptr info)
{
    return *reinterpret_cast<JpegErrorManager *>(info->err);
}

[[noreturn]] void ExitWithError(j_common_ptr info)
{
    JpegErrorManager &manager = ManagerOf(info);
    (*info->err->format_message)(info, manager.message);
    std::longjmp(manager.jump, 1);
}

void EmitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace messages
    JpegErrorManager &manager = ManagerOf(info);
    if (info->err->num_warnings == 0)
        (*info->err->format_message)(info, manager.firstWarning);
    ++info->err->num_warnings;
}

void OutputNothing(j_common_ptr) {}

} // namespace

jpeg_error_mgr *InstallJpegErrorManager(JpegErrorManager &manager)
{
    jpeg_error_mgr *library = jpeg_std_error(&manager.library);
    library->error_exit = ExitWithError;
    library->emit_message = EmitMessage;
    library->output_message = OutputNothing;
    return library;
}

void FailJpeg(j_common_ptr info, const char *message)
{
    JpegErrorManager &manager = ManagerOf(info);
    std::strncpy(manager.message, message, sizeof manager.message - 1);
    manager.message[sizeof manager.message - 1] = '\0';
    std::longjmp(manager.jump, 1);
}

} // namespace pagoranto
