#include "support/headless_program.h"

#include "platform/headless/script.h"
#include "platform/headless/script_runner.h"

namespace tarnwick::test {

HeadlessProgram::HeadlessProgram(int width, int height, std::uint64_t passBudget)
    : platform(width, height), form(platform) {
    platform.setPassBudget(passBudget);
}

void HeadlessProgram::run(const std::function<void(HeadlessPlatform&, std::uint64_t)>& feeder) {
    platform.setFeeder([&feeder](HeadlessPlatform& p) { feeder(p, p.passes()); });
    form.run();
    platform.setFeeder({});
    if (platform.budgetExceeded())
        ADD_FAILURE() << "the program was still running after its pass budget of " << platform.passes() << " passes";
}

std::string HeadlessProgram::runScript(std::string_view script) {
    ParsedScript parsed = parseScript(script);
    std::vector<ScriptError> failures = parsed.errors;
    if (failures.empty()) failures = playScript(std::move(parsed.steps), platform, form, [this] { form.run(); });
    return formatErrors(failures);
}

}  // namespace tarnwick::test
