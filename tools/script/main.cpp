// tarnwick-script [--size WxH] [--seed N] SCRIPT
//
// Runs the program headless in the current directory and plays SCRIPT into it
// (tests/scripts/README.md gives the language). Exits 0 when every line ran
// with every expectation met; otherwise prints "SCRIPT:LINE: why" and exits 1
// (2 for a bad command line or an unreadable script).
#include <charconv>
#include <cstdint>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/headless/headless_platform.h"
#include "platform/large_blocks.h"
#include "platform/plain_file.h"
#include "platform/headless/script.h"
#include "platform/headless/script_runner.h"
#include "shell/form57.h"

namespace {

struct Options {
    int width = 800;
    int height = 600;
    std::uint64_t seed = 0;
    std::string script;
};

template <class Number>
bool readWhole(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool readSize(std::string_view text, Options& options) {
    const std::size_t x = text.find('x');
    return x != std::string_view::npos && readWhole(text.substr(0, x), options.width) &&
           readWhole(text.substr(x + 1), options.height) && options.width > 0 && options.height > 0;
}

bool readOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--size" && hasValue) {
            if (!readSize(argv[++i], options)) return false;
        } else if (arg == "--seed" && hasValue) {
            if (!readWhole(std::string_view(argv[++i]), options.seed)) return false;
        } else if (options.script.empty() && !arg.starts_with("--")) {
            options.script = arg;
        } else {
            return false;
        }
    }
    return !options.script.empty();
}

}  // namespace

int main(int argc, char** argv) {
    tarnwick::mapLargeBlocksAlone();
    tarnwick::ignoreFileSizeSignal();
    Options options;
    if (!readOptions(argc, argv, options)) {
        std::cerr << "usage: tarnwick-script [--size WxH] [--seed N] SCRIPT\n";
        return 2;
    }
    std::ifstream file(options.script, std::ios::binary);
    if (!file.is_open()) {
        std::cerr << options.script << ": cannot read the script\n";
        return 2;
    }
    std::stringstream text;
    text << file.rdbuf();
    tarnwick::ParsedScript parsed = tarnwick::parseScript(text.str());
    if (!parsed.errors.empty()) {
        std::cerr << tarnwick::formatErrors(parsed.errors, options.script + ":");
        return 1;
    }

    tarnwick::HeadlessPlatform platform(options.width, options.height);
    // The program seeds itself from the clock, so the seed sets the clock too.
    platform.setClock(tarnwick::HeadlessPlatform::defaultClockStart + static_cast<double>(options.seed % 86'400));
    tarnwick::Form57 form(platform);
    form.random.seed(options.seed);
    try {
        const auto failures = tarnwick::playScript(std::move(parsed.steps), platform, form, [&] { form.run(); });
        std::cerr << tarnwick::formatErrors(failures, options.script + ":");
        return failures.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << options.script << ": the program stopped: " << error.what() << "\n";
        return 1;
    }
}
