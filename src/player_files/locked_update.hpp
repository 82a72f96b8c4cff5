#pragma once

#include <cstddef>

#include "records/record_lines.hpp"
#include "records/text_insertion.hpp"

// One change of a player's file, the same for draws and tickets: lock, read, plan, write,
// read back, rename, so that two programs changing one file at once never lose a line.
// Through descriptors and fixed buffers: it allocates nothing.

// The largest file a change can be made to, read whole into fixed storage: 100,000 games
// take about 3 MB. Reading and checking a file streams any size.
inline constexpr std::size_t MOST_UPDATED_FILE_BYTES = std::size_t{8} << 20;

// What a plan made of the file as it is.
enum class UpdatePlan {
    Insert,  // the insertion is to be made
    Nothing, // the file holds it already: nothing to write
    Refused, // the file or the change does not read: the plan's caller knows why
    Failed,  // errno says why
};

struct LockedUpdate {
    // Reads the file, read whole, and plans the insertion.
    UpdatePlan (*plan)(void* context, TextSource& file, TextInsertion& insertion);
    // Whether the file written, read back whole, reads as it should with the insertion made.
    bool (*check)(const char* written, std::size_t length, void* context);
    void* context;
};

enum class UpdateOutcome { Written, Nothing, Refused, Busy, Failed };

// Makes the planned insertion in the file at `path` (made empty first when `create` and it
// is missing), every other byte kept, or leaves the file as it was. Failed leaves errno
// saying why.
UpdateOutcome update_locked(const char* path, bool create, int wait_milliseconds,
                            const LockedUpdate& update);

// Starts a missing or empty file at `path` as `text` (`size` bytes), under the file's lock,
// so that two programs starting it at once cannot write over a line the other just added.
// True when the file is there; false, with errno saying why, when it could not be made or
// another program held it longer than `wait_milliseconds`.
bool start_file(const char* path, const unsigned char* text, std::size_t size,
                int wait_milliseconds);
