#include "text/error_text.hpp"

#include <cerrno>
#include <cstring>

#include "text/translation.hpp"

const char* error_text(int error)
{
    switch (error) {
    case ENOENT:
        return translate("No such file or directory");
    case EACCES:
        return translate("Permission denied");
    case EISDIR:
        return translate("Is a directory");
    case ENOTDIR:
        return translate("Not a directory");
    case ENOSPC:
        return translate("No space left on device");
    case EFBIG:
        return translate("File too large");
    case EROFS:
        return translate("Read-only file system");
    case ENAMETOOLONG:
        return translate("File name too long");
    case EPIPE:
        return translate("Broken pipe");
    case EIO:
        return translate("Input/output error");
    default:
        return std::strerror(error);
    }
}
