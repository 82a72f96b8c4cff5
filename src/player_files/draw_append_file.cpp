#include <cstdio>

#include "files/file_lock.hpp"
#include "files/replaced_file.hpp"
#include "history/draw_append.hpp"

namespace {

// The history's draw count once the draw is in, for the check of the new file.
int expected_count;

bool reads_with_the_new_draw(std::FILE* written)
{
    static DrawHistory check;
    RecordError error{};
    return read_draw_stream(written, check, error) && check.count == expected_count;
}

} // namespace

AddDrawOutcome add_draw_to_file(const char* path, const char* line, int wait_milliseconds,
                                DrawHistory& history, Draw& draw, RecordError& error)
{
    if (!parse_draw_to_add(line, draw, error)) {
        return AddDrawOutcome::LineRefused;
    }
    LockedFile file{};
    switch (open_locked(path, false, wait_milliseconds, file)) {
    case LockOutcome::Locked:
        break;
    case LockOutcome::Busy:
        return AddDrawOutcome::Busy;
    case LockOutcome::Failed:
        return AddDrawOutcome::Failed;
    }
    static TextInsertion insertion;
    AddDrawOutcome outcome = plan_draw_insertion(file.stream, draw, history, error, insertion);
    if (outcome == AddDrawOutcome::Added) {
        expected_count = history.count + 1;
        std::FILE* old = file.stream;
        file.stream = nullptr; // closed by the replacement
        if (!replace_with_insertion(path, old, insertion.at, insertion.text,
                                    reads_with_the_new_draw)) {
            outcome = AddDrawOutcome::Failed;
        }
    }
    close_locked(file);
    return outcome;
}
