#include "scripted_console.hpp"

#include <algorithm>
#include <cstring>

#include "console/menu_loop.hpp"
#include "generation/set_generator.hpp"

namespace {

ScriptedConsole* active = nullptr;
std::int32_t fixed_seed = 0;
bool input_over = false;

std::ptrdiff_t read_script(char* buffer, std::size_t capacity)
{
    ++active->reads;
    active->reads_after_end += input_over ? 1 : 0;
    if (active->record_shown_at_each_read) {
        active->shown_at_each_read.push_back(active->output);
    }
    const std::size_t left = active->input.size() - active->read_position;
    const std::size_t count = std::min({left, capacity, active->chunk});
    std::memcpy(buffer, active->input.data() + active->read_position, count);
    active->read_position += count;
    input_over = count == 0;
    return static_cast<std::ptrdiff_t>(count);
}

bool write_transcript(const char* data, std::size_t size)
{
    if (active->output_bytes + size > active->writable) {
        return false;
    }
    ++active->writes;
    active->output_bytes += size;
    if (active->keep_output) {
        active->output.append(data, size);
    }
    return true;
}

std::int32_t read_fixed_clock()
{
    return fixed_seed;
}

} // namespace

void open_scripted_console(ScriptedConsole& script, ConsoleMode mode)
{
    active = &script;
    input_over = false;
    console_open(ConsoleBackend{mode, read_script, write_transcript, nullptr, nullptr});
}

int run_scripted_session(ScriptedConsole& script, ConsoleMode mode, std::int32_t seed)
{
    open_scripted_console(script, mode);
    fixed_seed = seed;
    use_seed_clock(read_fixed_clock);
    int status = run_menu_loop();
    use_seed_clock(nullptr);
    if (!console_close()) {
        status = -1;
    }
    return status;
}
