#include "text/error_text.hpp"

#include <cerrno>
#include <cstring>

#include "text/translation.hpp"

namespace {

struct ErrorText {
    int error;
    const char* text;
};

// The errors a user meets with files and streams, in words of the catalogue.
constexpr ErrorText ERROR_TEXTS[] = {
    {ENOENT, translatable("No such file or directory")},
    {EACCES, translatable("Permission denied")},
    {EISDIR, translatable("Is a directory")},
    {ENOTDIR, translatable("Not a directory")},
    {ENOSPC, translatable("No space left on device")},
    {EFBIG, translatable("File too large")},
    {EROFS, translatable("Read-only file system")},
    {ENAMETOOLONG, translatable("File name too long")},
    {EPIPE, translatable("Broken pipe")},
    {EIO, translatable("Input/output error")},
};

} // namespace

const char* error_text(int error)
{
    for (const ErrorText& known : ERROR_TEXTS) {
        if (known.error == error) {
            return translate(known.text);
        }
    }
    return std::strerror(error);
}
