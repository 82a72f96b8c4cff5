// Feeds arbitrary bytes to the prizes reader and, as a source's answer, to the reader of a
// round's results. Beyond not crashing: every row accepted holds together and the rounds
// ascend without a gap; accepted rows written out read back the same; the same file with
// CRLF line ends gets the same answer; a round's results accepted are a draw the history
// reader takes; and every message is valid UTF-8 without a control byte.
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_promise.hpp"
#include "history/draw_history.hpp"
#include "prizes/prize_table.hpp"
#include "results/round_result.hpp"
#include "visible_text.hpp"

namespace {

PrizeTable first;
PrizeTable second;

bool read_bytes(const std::string& bytes, PrizeTable& table, RecordError& error)
{
    TextSource source = memory_source(bytes.data(), bytes.size());
    return read_prizes_source(source, table, error);
}

bool same_rows(const PrizeTable& a, const PrizeTable& b)
{
    if (a.count != b.count) {
        return false;
    }
    for (int i = 0; i < a.count; ++i) {
        if (!same_prizes(a.rounds[i], b.rounds[i])) {
            return false;
        }
    }
    return true;
}

std::string written_out(const PrizeTable& table)
{
    std::string text = std::string(PRIZES_HEADER) + "\n";
    for (int i = 0; i < table.count; ++i) {
        char line[MAX_LINE_BYTES + 1];
        format_prizes_line(line, table.rounds[i]);
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    RecordError error{};
    const bool ok = read_bytes(bytes, first, error);
    if (ok) {
        for (int i = 0; i < first.count; ++i) {
            RecordError rule{};
            require(prizes_hold_together(first.rounds[i], rule), "every row holds together");
            require(i == 0 || first.rounds[i].round == first.rounds[i - 1].round + 1,
                    "rounds ascend without a gap");
        }
        RecordError again{};
        require(read_bytes(written_out(first), second, again) && same_rows(first, second),
                "rows written out read back");
    } else {
        require(is_visible_text(error.message), "messages are safe to show");
    }
    RecordError crlf_error{};
    const bool crlf = read_bytes(with_crlf(bytes), second, crlf_error);
    require(crlf == ok, "CRLF gives the same verdict");
    require(!ok || same_rows(first, second), "CRLF gives the same rows");

    static RoundResult result;
    char problem[512];
    if (read_round_result(bytes.data(), bytes.size(), 1231, 20260705, result, problem,
                          sizeof problem)) {
        char line[MAX_LINE_BYTES + 1];
        format_result_line(line, result);
        Draw draw{};
        RecordError draw_error{};
        require(parse_draw_line(line, false, draw, draw_error) == LineKind::Draw,
                "a round's results are a draw the history takes");
    } else {
        require(is_visible_text(problem), "a source's answer is shown safely");
    }
    return 0;
}
