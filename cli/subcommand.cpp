#include "cli/subcommand.h"

#include "base/text.h"

#include <algorithm>
#include <cctype>
#include <ostream>

namespace corrolab {

void ThrowUsage(std::string message)
{
    throw CommandError {CommandError::Kind::Usage, std::move(message)};
}

void ThrowFailure(std::string message)
{
    throw CommandError {CommandError::Kind::Failure, std::move(message)};
}

bool LooksLikeOption(std::string_view arg)
{
    const size_t name = arg.starts_with("--") ? 2 : 1;
    return arg.size() > name && arg[0] == '-'
        && std::isalpha(static_cast<unsigned char>(arg[name]));
}

ParsedArguments ParseArguments(const std::vector<std::string>& args, const OptionSpec& spec)
{
    ParsedArguments parsed;
    const auto takePositional = [&](const std::string& arg) {
        if (!spec.positional)
            ThrowUsage("unexpected argument '" + arg + "'");
        parsed.positional.push_back(arg);
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            std::for_each(
                args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end(), takePositional);
            break;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (const size_t equals = arg.find('=');
            arg.starts_with("--") && equals != std::string::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        if (spec.valued.contains(name)) {
            if (!value) {
                if (i + 1 >= args.size())
                    ThrowUsage(name + " needs a value");
                value = args[++i];
            }
            if (!parsed.options.emplace(name, *value).second)
                ThrowUsage(name + " given twice");
        } else if (spec.flags.contains(name) && !value) {
            parsed.flags.insert(name);
        } else if (LooksLikeOption(arg)) {
            ThrowUsage("unknown option " + name);
        } else {
            takePositional(arg);
        }
    }
    return parsed;
}

int CheckWritten(std::ostream& out, std::ostream& err, int status)
{
    out.flush();
    if (out)
        return status;
    // The stream keeps no reason: the failing write may have been any before.
    err << "corrolab: the output cannot be written\n";
    return 1;
}

int RunSubcommand(
    const Subcommand& command, const std::vector<std::string>& args, CommandContext& context)
{
    std::ostream& err = context.err;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const auto end = std::ranges::find(rest, "--");
    if (std::find(rest.begin(), end, "--help") != end
        || std::find(rest.begin(), end, "-h") != end) {
        context.out << command.help;
        return CheckWritten(context.out, err, 0);
    }
    int status = 0;
    try {
        status = command.run(rest, context);
    } catch (const CommandError& error) {
        if (error.kind == CommandError::Kind::Usage) {
            err << "corrolab " << command.name << ": " << OneLine(error.message) << '\n'
                << command.help;
            return 2;
        }
        err << "corrolab" << (command.failureNamesCommand ? " " + std::string(command.name) : "")
            << ": " << OneLine(error.message) << '\n';
        status = 1;
    }
    return CheckWritten(context.out, err, status);
}

} // namespace corrolab
