#include "command_line/option_reader.hpp"

#include "command_line/program_output.hpp"
#include "text/translation.hpp"

namespace {

int find_option(const char* argument, const OptionEntry* options, int count)
{
    for (int i = 0; i < count; ++i) {
        if (is_option(argument, options[i].name) ||
            (options[i].alias != nullptr && is_option(argument, options[i].alias))) {
            return i;
        }
    }
    return -1;
}

bool refuse(OptionProblem& problem, const char* text, const char* argument,
            const char* following = nullptr, int missing_option = -1, const char* next = nullptr)
{
    problem = OptionProblem{text, argument, following, missing_option, next};
    return false;
}

bool met(const ReadOptions& read, const OptionCondition& condition)
{
    if (!read.given[condition.option]) {
        return false;
    }
    return !condition.standard_stream || (read.value[condition.option] != nullptr &&
                                          is_option(read.value[condition.option], "-"));
}

// The first condition of the list that is met (the last, with `last`), or nullptr.
const OptionCondition* met_in(const ReadOptions& read,
                              const OptionCondition (&list)[MAX_RULE_OPTIONS], bool last = false,
                              int* how_many = nullptr)
{
    const OptionCondition* found = nullptr;
    int count = 0;
    for (const OptionCondition& condition : list) {
        if (condition.option < 0) {
            break;
        }
        if (met(read, condition)) {
            ++count;
            if (found == nullptr || last) {
                found = &condition;
            }
        }
    }
    if (how_many != nullptr) {
        *how_many = count;
    }
    return found;
}

} // namespace

bool read_options(int argc, const char* const* argv, const OptionEntry* options, int count,
                  ReadOptions& read, OptionProblem& problem)
{
    read = ReadOptions{};
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const int found = find_option(argument, options, count);
        if (found < 0) {
            const bool option = argument[0] == '-' && argument[1] != '\0';
            return refuse(problem,
                          option ? translatable("unknown option")
                                 : translatable("unexpected argument"),
                          argument);
        }
        const OptionEntry& entry = options[found];
        if (entry.kind == OptionKind::Alone) {
            if (argc != 2) {
                return refuse(problem, translatable("no other argument may come with"), argument);
            }
        } else if (read.given[found]) {
            return refuse(problem, translatable("this option may be given only once:"), argument);
        }
        read.given[found] = true;
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        const char* value = nullptr;
        switch (entry.kind) {
        case OptionKind::Flag:
        case OptionKind::Alone:
            continue;
        case OptionKind::Value:
            value = option_value(argc, argv, i);
            break;
        case OptionKind::NumberList:
            value = number_list_value(argc, argv, i);
            break;
        case OptionKind::OptionalFile:
            value = option_value(argc, argv, i);
            if (value == nullptr || is_option(value, "-")) {
                // Without a name: the last argument, or another long option next.
                if (next != nullptr && !(next[0] == '-' && next[1] == '-')) {
                    return refuse(problem, entry.missing, argument, next, found, next);
                }
                continue;
            }
            break;
        }
        if (value == nullptr || (!entry.standard_stream && is_option(value, "-"))) {
            return refuse(problem, entry.missing, argument, entry.hint_following ? next : nullptr,
                          found, next);
        }
        read.value[found] = value;
        ++i;
    }
    return true;
}

bool broken_rule(const ReadOptions& read, const OptionEntry* options, const CombinationRule* rules,
                 int count, OptionProblem& problem)
{
    for (int r = 0; r < count; ++r) {
        const CombinationRule& rule = rules[r];
        int given = 0;
        const OptionCondition* named =
            met_in(read, rule.these, rule.kind == RuleKind::AtMostOne, &given);
        bool broken = false;
        switch (rule.kind) {
        case RuleKind::AtMostOne:
            broken = given > 1;
            break;
        case RuleKind::Excludes:
            broken = named != nullptr && met_in(read, rule.those) != nullptr;
            break;
        case RuleKind::Requires:
            broken = named != nullptr && met_in(read, rule.those) == nullptr;
            break;
        case RuleKind::TogetherRequire: {
            int listed = 0;
            while (listed < MAX_RULE_OPTIONS && rule.these[listed].option >= 0) {
                ++listed;
            }
            named = met_in(read, rule.these, true);
            broken = given == listed && met_in(read, rule.those) == nullptr;
            break;
        }
        }
        if (broken) {
            problem = OptionProblem{rule.problem,
                                    rule.argument != nullptr ? rule.argument
                                                             : options[named->option].name,
                                    nullptr, -1, nullptr};
            return true;
        }
    }
    return false;
}
