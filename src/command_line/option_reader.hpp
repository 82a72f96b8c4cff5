#pragma once

// Both programs' options, declared as data: each option's name and the kind of value it
// takes, read by one reader; which options go together, as a table of rules checked after.

enum class OptionKind {
    Flag,         // --csv
    Alone,        // --help: only as the one argument
    Value,        // --draws FILE: the next argument, which may not look like an option
    NumberList,   // --with LIST: as Value, and "-3" is a list, refused later as a number
    OptionalFile, // lotto --tickets [FILE]: without a name, the data folder's file
};

struct OptionEntry {
    const char* name;
    const char* alias; // "-h" for --help, or nullptr
    OptionKind kind;
    const char* missing;  // what a missing value is told with
    bool hint_following;  // a missing file name: say how to give one that begins with '-'
    bool standard_stream; // "-" may be the value
};

inline constexpr int MAX_OPTIONS = 24;

// What the arguments gave: per option of the table, whether it was given and its value.
struct ReadOptions {
    bool given[MAX_OPTIONS];
    const char* value[MAX_OPTIONS];
};

// A usage error: what is wrong and the argument it is about; for a missing value, the
// option and the argument that came next.
struct OptionProblem {
    const char* problem; // untranslated, as usage_error takes it
    const char* argument;
    const char* following; // the argument taken for an option, or nullptr
    int missing_option;    // the option whose value is missing, or -1
    const char* next;      // for a missing value: the argument after the option, or nullptr
};

// Reads `argv` by the table of `count` options. False with `problem` filled at the first
// argument that does not fit: an unknown option or argument, an option given twice, a
// missing value, or an option that must come alone.
bool read_options(int argc, const char* const* argv, const OptionEntry* options, int count,
                  ReadOptions& read, OptionProblem& problem);

// One condition of a rule: the option given, and with `standard_stream` given as "-".
struct OptionCondition {
    int option = -1; // -1 ends a list, as the places a rule leaves unlisted hold
    bool standard_stream = false;
};

enum class RuleKind {
    AtMostOne,       // at most one of `these`; named: the last one given
    Excludes,        // none of `these` with any of `those`; named: the first of `these` given
    Requires,        // any of `these` only with one of `those`; named: the first of `these` given
    TogetherRequire, // all of `these` together only with one of `those`; named: the last
};

inline constexpr int MAX_RULE_OPTIONS = 5;
struct CombinationRule {
    RuleKind kind;
    OptionCondition these[MAX_RULE_OPTIONS];
    OptionCondition those[MAX_RULE_OPTIONS];
    const char* problem;  // untranslated
    const char* argument; // the argument named, or nullptr for the option the kind names
};

// The first rule the options break, in the table's order, as a problem; false when none.
bool broken_rule(const ReadOptions& read, const OptionEntry* options, const CombinationRule* rules,
                 int count, OptionProblem& problem);
