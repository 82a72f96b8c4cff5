#pragma once

#include <cstddef>
#include <cstdio>

// The longest path this program keeps; longer ones are refused as too long.
inline constexpr int PATH_CAPACITY = 4096;

// A file written whole or not at all: the text goes to a temporary file beside the target,
// which is flushed to the disk and then renamed over the target, so that a full disk or a
// crash leaves the old file as it was. A target that is no plain file (a terminal, a pipe,
// /dev/null) is written straight.
struct ReplacedFile {
    std::FILE* stream;                  // where the text goes
    char target[PATH_CAPACITY];         // the file replaced, links followed
    char temporary[PATH_CAPACITY + 16]; // beside it; empty when writing straight
};

// Whether two names, or standard output and a name, are one file: the same device and
// inode (volume and file index on Windows) once links are followed. False when either
// cannot be looked at.
bool same_file(const char* path, const char* other_path);
bool standard_output_is(const char* path);

// Opens the replacement for `path` before anything is computed, so that a place that
// cannot be written (a missing or read-only folder, a folder as the name) is known at
// once. False, with errno saying why, when it cannot be opened.
bool begin_replacement(const char* path, ReplacedFile& file);

// Puts everything written on the disk and the replacement in the target's place. False,
// with errno saying why, when anything failed: the target is then as it was and the
// temporary file gone.
bool commit_replacement(ReplacedFile& file);

// Gives up the replacement: the target stays as it was.
void abandon_replacement(ReplacedFile& file);

// The same through a file descriptor and the caller's buffers, allocating nothing: for the
// interactive program, which allocates nothing once it runs.
struct RawReplacement {
    ReplacedFile file; // its stream stays null
    int descriptor;
};
bool begin_raw_replacement(const char* path, RawReplacement& raw);
bool commit_raw_replacement(RawReplacement& raw);
void abandon_raw_replacement(RawReplacement& raw);

// Reads the whole file at `path` into `buffer`, allocating nothing. False, with errno saying
// why (EFBIG when it is larger than `capacity`).
bool read_whole_file(const char* path, char* buffer, std::size_t capacity, std::size_t& length);

// Replaces the file at `path`, read whole into `old` (its `length` bytes), with the same
// bytes and `text` standing at byte `at`: every other byte as it was. With
// `check`, the new file is read back into `scratch` (which may be `old`'s own buffer: it is
// read into only once everything is written) and kept only if `check` says so. Allocates
// nothing.
using WrittenCheck = bool (*)(const char* written, std::size_t length, void* context);
bool replace_bytes_with_insertion(const char* path, const char* old, std::size_t length,
                                  std::size_t at, const char* text, char* scratch,
                                  std::size_t capacity, WrittenCheck check, void* context);

// What the platform's part gives the rest: everything written put on the disk, and a
// file renamed over another that may exist. False, with errno saying why, on failure.
bool flush_to_disk(std::FILE* stream);
bool move_over(const char* from, const char* to);
// And the same for a descriptor: all of the bytes written, on the disk, closed.
bool write_descriptor(int descriptor, const char* bytes, std::size_t length);
bool sync_descriptor(int descriptor);
bool close_descriptor(int descriptor);
