#pragma once

#include <cstdio>

#include "tickets/ticket_ledger.hpp"

// The ledger as lotto-stats --ledger --csv writes it.
void write_ledger_csv(std::FILE* out, const Ledger& ledger);

// The same as a table in the language in use, then what it comes to in a sentence, and the
// helpline.
void write_ledger_report(std::FILE* out, const Ledger& ledger);
