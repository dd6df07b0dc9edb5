// SPDX-License-Identifier: MIT
#include "arguments.h"

#include "script.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace tarnwell {

namespace {

struct StepRule {
    const char* name;
    Step::Kind kind;
    int arity;
};

const StepRule kSteps[] = {
    {"type", Step::Kind::Type, 2},
    {"choose", Step::Kind::Choose, 2},
    {"radio", Step::Kind::Radio, 1},
    {"check", Step::Kind::Check, 2},
    {"unit", Step::Kind::Unit, 1},
    {"click-cell", Step::Kind::ClickCell, 3},
    {"cell", Step::Kind::Cell, 4},
    {"button", Step::Kind::Button, 1},
    {"answer", Step::Kind::Answer, 1},
    {"save", Step::Kind::Save, 1},
    {"calculate", Step::Kind::Calculate, 0},
    {"summary", Step::Kind::Summary, 0},
    {"get", Step::Kind::Get, 1},
    {"grid", Step::Kind::Grid, 1},
    {"banner", Step::Kind::Banner, 0},
    {"json", Step::Kind::Json, 0},
    {"pdf", Step::Kind::Pdf, 1},
};

// Scripts may call scripts, but a script that calls itself must not run for ever.
constexpr int kMaxScriptDepth = 8;

const StepRule* FindStep(const std::string& name) {
    for (const StepRule& rule : kSteps)
        if (name == rule.name) return &rule;
    return nullptr;
}

int Whole(const std::string& word, const std::string& what, const std::string& origin) {
    errno = 0;
    char* end = nullptr;
    const long value = word.empty() ? 0 : std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        throw UsageError(origin + ": " + what + " must be a whole number, not '" + word + "'");
    return static_cast<int>(value);
}

int Position(const std::string& word, const std::string& what, const std::string& origin) {
    const int value = Whole(word, what, origin);
    if (value < 0) throw UsageError(origin + ": " + what + " counts from 0, not " + word);
    return value;
}

std::vector<int> FieldList(const std::string& word, const std::string& origin) {
    std::vector<int> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = word.find(',', start);
        const std::string part =
            word.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        fields.push_back(Whole(part, "a field number", origin));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return fields;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

class Parser {
public:
    explicit Parser(const FileReader& read) : read_(read) {}

    Invocation Parse(const std::vector<std::string>& args) {
        Invocation inv;
        bool command = false;
        bool afterSteps = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            auto next = [&](const char* what) -> const std::string& {
                if (i + 1 >= args.size()) throw UsageError(arg + " needs " + what);
                return args[++i];
            };
            if (arg == "--help" || arg == "-h" || arg == "help") {
                inv.help = true;
            } else if (arg == "--version") {
                inv.version = true;
            } else if (arg == "--install") {
                inv.install = next("a folder");
                if (inv.install.empty()) throw UsageError("--install needs a folder");
            } else if (arg == "--decimal") {
                const std::string& sep = next("a separator");
                if (sep != "." && sep != ",") throw UsageError("--decimal takes . or ,");
                inv.decimal = sep[0];
            } else if (StartsWith(arg, "--")) {
                const std::string name = arg.substr(2);
                const std::optional<int> arity = StepArity(name);
                if (!arity) throw UsageError("unknown option " + arg);
                std::vector<std::string> words;
                for (int k = 0; k < *arity; ++k) {
                    if (i + 1 >= args.size())
                        throw UsageError(arg + " takes " + std::to_string(*arity) +
                                         (*arity == 1 ? " argument" : " arguments"));
                    words.push_back(args[++i]);
                }
                AddStep(inv, name, words, words.empty() ? arg : arg + " " + words[0], 0);
                afterSteps = true;
            } else if (!command) {
                if (arg != "calc")
                    throw UsageError("unknown command '" + arg + "' (the command is calc)");
                command = true;
            } else if (inv.job.empty() && !afterSteps) {
                inv.job = arg;
            } else {
                throw UsageError("unexpected argument '" + arg +
                                 "' (the job comes before the actions; quote a text with blanks)");
            }
        }
        if (!inv.help && !inv.version && !command) throw UsageError("no command given (calc)");
        return inv;
    }

private:
    void AddStep(Invocation& inv, const std::string& name, const std::vector<std::string>& words,
                 const std::string& origin, int depth) {
        if (name == "script") {
            RunScript(inv, words.at(0), origin, depth + 1);
            return;
        }
        inv.steps.push_back(ParseStep(name, words, origin));
    }

    void RunScript(Invocation& inv, const std::string& path, const std::string& origin, int depth) {
        if (depth > kMaxScriptDepth)
            throw UsageError(origin + ": scripts call each other more than " +
                             std::to_string(kMaxScriptDepth) + " deep");
        const std::optional<std::string> text = read_(path);
        if (!text) throw UsageError(origin + ": cannot read script '" + path + "'");
        for (const ScriptLine& line : ReadScript(*text, path)) {
            const std::string where = path + ":" + std::to_string(line.number);
            std::string name = line.words[0];
            if (StartsWith(name, "--")) name = name.substr(2);
            const std::optional<int> arity = StepArity(name);
            if (!arity) throw UsageError(where + ": unknown step '" + line.words[0] + "'");
            const std::vector<std::string> words(line.words.begin() + 1, line.words.end());
            if (static_cast<int>(words.size()) != *arity)
                throw UsageError(where + ": '" + name + "' takes " + std::to_string(*arity) +
                                 (*arity == 1 ? " word" : " words") + ", not " +
                                 std::to_string(words.size()) + " (quote a text with blanks)");
            AddStep(inv, name, words, where, depth);
        }
    }

    const FileReader& read_;
};

} // namespace

std::optional<int> StepArity(const std::string& name) {
    if (name == "script") return 1;
    const StepRule* rule = FindStep(name);
    if (!rule) return std::nullopt;
    return rule->arity;
}

Step ParseStep(const std::string& name, const std::vector<std::string>& words,
               const std::string& origin) {
    const StepRule* rule = FindStep(name);
    if (!rule) throw UsageError(origin + ": unknown step '" + name + "'");
    if (static_cast<int>(words.size()) != rule->arity)
        throw UsageError(origin + ": '" + name + "' takes " + std::to_string(rule->arity) +
                         " words");
    Step step;
    step.kind = rule->kind;
    step.origin = origin;
    using K = Step::Kind;
    switch (rule->kind) {
    case K::Type:
        step.numbers = {Whole(words[0], "a field number", origin)};
        step.text = words[1];
        break;
    case K::Choose:
        step.numbers = {Whole(words[0], "a list number", origin),
                        Position(words[1], "a list position", origin)};
        break;
    case K::Radio:
    case K::Button:
    case K::Unit:
    case K::Grid:
        step.numbers = {Whole(words[0], "a control number", origin)};
        break;
    case K::Check: {
        step.numbers = {Whole(words[0], "a check box number", origin)};
        if (words[1] != "on" && words[1] != "off")
            throw UsageError(origin + ": a check box is set on or off, not '" + words[1] + "'");
        step.numbers.push_back(words[1] == "on" ? 1 : 0);
        break;
    }
    case K::ClickCell:
    case K::Cell:
        step.numbers = {Whole(words[0], "a grid number", origin),
                        Position(words[1], "a row", origin),
                        Position(words[2], "a column", origin)};
        if (rule->kind == K::Cell) step.text = words[3];
        break;
    case K::Answer:
        step.text = words[0];
        break;
    case K::Save:
    case K::Pdf:
        if (words[0].empty()) throw UsageError(origin + ": " + name + " needs a file name");
        step.text = words[0];
        break;
    case K::Get:
        step.numbers = FieldList(words[0], origin);
        break;
    case K::Calculate:
    case K::Summary:
    case K::Banner:
    case K::Json:
        break;
    }
    return step;
}

Invocation ParseArguments(const std::vector<std::string>& args, const FileReader& read) {
    return Parser(read).Parse(args);
}

std::string HelpText() {
    return R"(Usage: tarnwell calc [JOB] [ACTION...] [OUTPUT...]
       tarnwell publish RELEASE_DIR OUT_DIR
       tarnwell update [--install DIR] [--url URL] [--ca-file FILE] [--yes]
       tarnwell --help | --version

Runs the Tarnwell calculation without a window. The program starts as the window does
(the data of the installation folder, the user's settings in $XDG_CONFIG_HOME/Glacivar,
~/.config/Glacivar without it), loads JOB (a job file, *.wic) or else the template job,
performs the actions in the order given, as a user would in the window, and prints the
outputs.

Options
  --install DIR       installation folder holding opdata/ and proddata/
                      (default: the folder of this program)
  --decimal SEP       decimal separator of typed numbers, . or ,
                      (default: the locale's, as in the window)

Actions, applied in order
  --type N TEXT       focus field N, type TEXT key by key (a number field refuses
                      what is not a number), leave the field with Tab
  --choose N POS      click item POS (from 0) of option list N; a field's list is
                      opened first, the list of a grid cell by --click-cell
  --radio N           click option button N
  --check N on|off    set check box N
  --unit N            click the unit label of field N (the other unit of its kind)
  --click-cell G R C  click cell (R, C) of grid G; the list of a list cell opens:
                      it is list G+R (201 surface type, 206 construction,
                      301 product group, 302 product)
  --cell G R C TEXT   click cell (R, C) of grid G, type TEXT, leave it with Enter
  --button N          click menu button N (9 exit, 10 open, 11 save, 17 surface
                      grid off, 18 clear products, 19 new job, 21 delete product)
  --answer TEXT       answer the next dialog: yes, no, ok, cancel, or a file path;
                      an unanswered message is acknowledged (OK or Yes) and an
                      unanswered file dialog cancelled, each noted on stderr
  --save PATH         save the job to PATH (*.wic)
  --calculate         run the calculation as every edit does: the input check, the
                      loads and the selection (a loaded job shows its saved results)
  --script FILE       read further steps from FILE, one a line, in the same words
                      without the dashes (type 103 35); "..." holds blanks, # starts
                      a comment

Outputs, printed where they stand among the actions; without any, --summary at the end
  --summary           room, loads per 24 h and per hour, total, design load, the
                      chosen condensing unit and cooler, balance point with its share
                      of the design load, warnings and equipment notes, in the units
                      on display
  --get N[,N...]      a line per field: number, stored value, shown text, unit (tabs)
  --grid G            grid G as tab-separated rows
  --banner            the warning banner, a line each: the input warnings, or when
                      there are none the equipment notes (no model reaches the load,
                      balance point under it, refrigerant above the GWP limit)
  --json              the whole state (fields, lists, option buttons, check boxes,
                      grids, warnings) as one JSON object on one line
  --pdf FILE          the report as the window prints it (every surface and product,
                      continuation pages as needed), written as one PDF file

Exit status: 0 done (input warnings are output, not failures); 1 the program could not
run (data files missing, the template job unreadable, a save failed); 2 usage error;
3 the job file cannot be loaded.

Some numbers: fields 12 run time, 13-15 room length, width, height, 102 outside and
103 room temperature, 213 volume, 214 transmission, 680 infiltration, 314 product and
422 other loads, 16 total, 503 design load, 504 refrigerant, 523/524 condensing unit,
543/544 cooler; grids 200 surfaces, 300 products; option buttons 200-202 rooms of 4, 6
and 8 walls, 840-847 unit systems (imperial/metric length, temperature, mass, load;
a setting of the user, kept for the next run as in the window).

Example: the template job as a 2 degC dairy cooler, in metric temperatures, saved:
  tarnwell calc --radio 843 --type 103 2 --type 0 "Dairy" --save dairy.wic \
      --get 103,16,503 --banner
)";
}

} // namespace tarnwell
