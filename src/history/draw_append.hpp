#pragma once

#include <cstdio>

#include "history/draw_history.hpp"
#include "records/text_insertion.hpp"

// What adding a draw to a history came to.
enum class AddDrawOutcome {
    Added,        // written in its place
    AlreadyThere, // the same draw was there: nothing written
    LineRefused,  // the draw given is wrong or does not fit: `error` says why, line 0
    FileRefused,  // the file is no history: `error` as for reading it
    Busy,         // another program held the file too long
    Failed,       // it could not be read or written: errno says why
};

// Reads the draw to add from `line`, a line of the history's own format. False, with
// `error` saying why (line 0), when it is none.
bool parse_draw_to_add(const char* line, Draw& draw, RecordError& error);

// Where and how `draw` goes into the history read from `source` as its next round: in the
// file's order and in the style of its draw lines, every other byte kept. Added when
// `insertion` is to be made; `history` then holds the file's draws as they were.
AddDrawOutcome plan_draw_insertion(TextSource& source, const Draw& draw, DrawHistory& history,
                                   RecordError& error, TextInsertion& insertion);

// The new line as the file's draw line `model` would write it, without its line end.
void format_draw_like(char (&out)[MAX_LINE_BYTES + 1], const Draw& draw, const char* model);
