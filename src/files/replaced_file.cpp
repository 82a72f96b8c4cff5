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
