#include "reports/ledger_report.hpp"

#include <cinttypes>

#include "text/number_words.hpp"
#include "text/text_columns.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

struct Amount {
    char text[64];
};

Amount in_won(std::int64_t amount)
{
    Amount shown{};
    format_text(shown.text, sizeof shown.text, translate("%s won"), with_thousands(amount).text);
    return shown;
}

void write_row(std::FILE* out, const char* name, const LedgerMonth& month)
{
    std::fprintf(out, "  %s%s%s%s%s%s\n", align_left(name, 8).text,
                 align_right(with_thousands(month.games).text, 7).text,
                 align_right(in_won(month.spent).text, 16).text,
                 align_right(in_won(month.won).text, 18).text,
                 align_right(in_won(ledger_won(month.average_return)).text, 16).text,
                 align_right(with_thousands(month.unknown).text, 9).text);
}

} // namespace

void write_ledger_csv(std::FILE* out, const Ledger& ledger)
{
    std::fputs(LEDGER_CSV_HEADER, out);
    for (int i = 0; i < ledger.count; ++i) {
        std::fputs(ledger_csv_row(ledger.months[i]).text, out);
    }
    std::fputs(ledger_csv_row(ledger.total).text, out);
}

void write_ledger_report(std::FILE* out, const Ledger& ledger)
{
    std::fprintf(out, "  %s%s%s%s%s%s\n", align_left(translate("month"), 8).text,
                 align_right(translate("games"), 7).text, align_right(translate("spent"), 16).text,
                 align_right(translate("prizes won"), 18).text,
                 align_right(translate("average return"), 16).text,
                 align_right(translate("unknown"), 9).text);
    for (int i = 0; i < ledger.count; ++i) {
        char name[16];
        format_text(name, sizeof name, "%04d-%02d", static_cast<int>(ledger.months[i].month / 100),
                    static_cast<int>(ledger.months[i].month % 100));
        write_row(out, name, ledger.months[i]);
    }
    write_row(out, translate("in all"), ledger.total);

    const LedgerMonth& total = ledger.total;
    const std::int64_t known = total.games - total.unknown;
    std::fprintf(out,
                 translate("\nYou spent %s on %s games; %s came back from the %s whose\n"
                           "result is known.\n"),
                 in_won(total.spent).text, with_thousands(total.games).text, in_won(total.won).text,
                 with_thousands(known).text);
    if (known > 0) {
        const double share = 100.0 * total.average_return / static_cast<double>(total.known_spent);
        std::fprintf(out,
                     translate("On average the same %s games get back %s, %.0f %% of the %s they "
                               "cost.\n"),
                     with_thousands(known).text, in_won(ledger_won(total.average_return)).text,
                     share, in_won(total.known_spent).text);
    }
    std::fprintf(out, "%s",
                 translate("If playing stops being fun, call 1336, the Korea Center on Gambling "
                           "Problems' helpline\n(free, around the clock).\n"));
}
