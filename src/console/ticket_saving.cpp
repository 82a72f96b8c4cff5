#include "console/ticket_saving.hpp"
#include "player_files/file_updates.hpp"

#include <cerrno>
#include <ctime>

#include "console/console.hpp"
#include "files/file_lock.hpp"
#include "generation/prediction_table.hpp"
#include "lottery/lottery_calendar.hpp"
#include "player_files/locked_update.hpp"
#include "text/error_text.hpp"
#include "text/quoted_text.hpp"
#include "tickets/ticket_append.hpp"

namespace {

const char* tickets_path;
SalesClock sales_clock = system_seconds;
bool saved;
TicketFile tickets;

} // namespace

std::int64_t system_seconds()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

void use_ticket_saving(const char* path, SalesClock clock)
{
    tickets_path = path;
    sales_clock = clock != nullptr ? clock : system_seconds;
    saved = false;
}

bool ticket_saving_on()
{
    return tickets_path != nullptr;
}

void forget_saved_prediction()
{
    saved = false;
}

void save_prediction()
{
    if (saved) {
        console_print("이미 저장한 번호입니다\n");
        return;
    }
    Ticket games[SET_COUNT] = {};
    const std::int32_t round = round_on_sale(sales_clock());
    for (int i = 0; i < SET_COUNT; ++i) {
        games[i].round = round;
        games[i].numbers = prediction_table.sets[i];
    }
    RecordError error{};
    int known_line = 0;
    switch (add_tickets_to_file(tickets_path, games, SET_COUNT, LOCK_WAIT_MILLISECONDS, tickets,
                                error, known_line)) {
    case AddTicketsOutcome::Added:
    case AddTicketsOutcome::SlipKnown: // a prediction has no slip
        saved = true;
        console_printf("%d회 %d게임을 저장하였습니다\n", round, SET_COUNT);
        break;
    case AddTicketsOutcome::FileRefused: {
        char message[QUOTE_CAPACITY + sizeof error.message + 16];
        format_record_error(message, sizeof message, tickets_path, error);
        console_printf("번호를 저장하지 못했습니다: %s\n", message);
        break;
    }
    case AddTicketsOutcome::Busy:
        console_print("다른 프로그램이 티켓 파일을 쓰고 있습니다. 잠시 후 다시 저장해 주세요\n");
        break;
    case AddTicketsOutcome::Failed:
        if (errno == EFBIG) {
            char name[QUOTE_CAPACITY];
            quote_text(name, sizeof name, tickets_path, NAME_SHOWN);
            console_printf(
                "번호를 저장하지 못했습니다: '%s'는 이 프로그램이 고칠 수 있는 %zu MiB보다 "
                "커집니다. 아무것도 바꾸지 않았습니다\n",
                name, MOST_UPDATED_FILE_BYTES >> 20);
            break;
        }
        console_printf("번호를 저장하지 못했습니다: %s\n", error_text(errno != 0 ? errno : EIO));
        break;
    }
}
