#include "files/replaced_file.hpp"
#include "files/temporary_files.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The end of every replacement, once the new file is written and closed (`ok`, else
// `reason`): renamed over the target, or removed.
bool finish_replacement(ReplacedFile& file, bool ok, int reason)
{
    if (ok && file.temporary[0] != '\0' && !move_over(file.temporary, file.target)) {
        ok = false;
        reason = errno;
    }
    if (!ok && file.temporary[0] != '\0') {
        std::remove(file.temporary);
    }
    untrack_temporary(file.temporary);
    file.temporary[0] = '\0';
    errno = reason != 0 ? reason : EIO;
    return ok;
}

} // namespace

bool commit_replacement(ReplacedFile& file)
{
    errno = 0;
    bool ok = std::fflush(file.stream) == 0 && std::ferror(file.stream) == 0;
    if (ok && file.temporary[0] != '\0') {
        ok = flush_to_disk(file.stream);
    }
    int reason = errno;
    if (std::fclose(file.stream) != 0 && ok) {
        ok = false;
        reason = errno;
    }
    file.stream = nullptr;
    return finish_replacement(file, ok, reason);
}

void abandon_replacement(ReplacedFile& file)
{
    if (file.stream != nullptr) {
        std::fclose(file.stream);
        file.stream = nullptr;
    }
    if (file.temporary[0] != '\0') {
        std::remove(file.temporary);
        untrack_temporary(file.temporary);
        file.temporary[0] = '\0';
    }
}

namespace {

bool copy_bytes(std::FILE* from, std::FILE* to, long count)
{
    char buffer[4096];
    while (count != 0) {
        const std::size_t wanted = count < 0 || count > static_cast<long>(sizeof buffer)
                                       ? sizeof buffer
                                       : static_cast<std::size_t>(count);
        const std::size_t got = std::fread(buffer, 1, wanted, from);
        if (got == 0) {
            return count < 0 && std::ferror(from) == 0; // to the end: done at its end
        }
        if (std::fwrite(buffer, 1, got, to) != got) {
            return false;
        }
        if (count > 0) {
            count -= static_cast<long>(got);
        }
    }
    return true;
}

} // namespace

bool replace_with_insertion(const char* path, std::FILE* old, long at, const char* text,
                            bool (*check)(std::FILE* written, void* context), void* context)
{
    ReplacedFile file{};
    if (!begin_replacement(path, file)) {
        const int reason = errno;
        std::fclose(old);
        errno = reason;
        return false;
    }
    const std::size_t length = std::strlen(text);
    errno = 0;
    bool ok = std::fseek(old, 0, SEEK_SET) == 0 && copy_bytes(old, file.stream, at) &&
              std::fwrite(text, 1, length, file.stream) == length &&
              copy_bytes(old, file.stream, -1);
    if (ok && check != nullptr) {
        ok = std::fflush(file.stream) == 0;
        std::FILE* written =
            ok && file.temporary[0] != '\0' ? std::fopen(file.temporary, "rb") : nullptr;
        ok = written != nullptr && check(written, context);
        if (written != nullptr) {
            std::fclose(written);
        }
        if (!ok && errno == 0) {
            errno = EINVAL;
        }
    }
    std::fclose(old);
    if (!ok) {
        const int reason = errno != 0 ? errno : EIO;
        abandon_replacement(file);
        errno = reason;
        return false;
    }
    return commit_replacement(file);
}

bool commit_raw_replacement(RawReplacement& raw)
{
    ReplacedFile& file = raw.file;
    errno = 0;
    bool ok = file.temporary[0] == '\0' || sync_descriptor(raw.descriptor);
    int reason = errno;
    if (!close_descriptor(raw.descriptor) && ok) {
        ok = false;
        reason = errno;
    }
    raw.descriptor = -1;
    return finish_replacement(file, ok, reason);
}

void abandon_raw_replacement(RawReplacement& raw)
{
    if (raw.descriptor >= 0) {
        close_descriptor(raw.descriptor);
        raw.descriptor = -1;
    }
    abandon_replacement(raw.file);
}

bool replace_bytes_with_insertion(const char* path, const char* old, std::size_t length,
                                  std::size_t at, const char* text, char* scratch,
                                  std::size_t capacity, WrittenCheck check, void* context)
{
    if (at > length) {
        errno = EINVAL;
        return false;
    }
    static RawReplacement raw;
    if (!begin_raw_replacement(path, raw)) {
        return false;
    }
    errno = 0;
    bool ok = write_descriptor(raw.descriptor, old, at) &&
              write_descriptor(raw.descriptor, text, std::strlen(text)) &&
              write_descriptor(raw.descriptor, old + at, length - at);
    if (ok && check != nullptr) {
        // Read back as the disk has it, through a descriptor of its own.
        std::size_t written = 0;
        ok = raw.file.temporary[0] != '\0' &&
             read_whole_file(raw.file.temporary, scratch, capacity, written) &&
             check(scratch, written, context);
        if (!ok && errno == 0) {
            errno = EINVAL;
        }
    }
    if (!ok) {
        const int reason = errno != 0 ? errno : EIO;
        abandon_raw_replacement(raw);
        errno = reason;
        return false;
    }
    return commit_raw_replacement(raw);
}
