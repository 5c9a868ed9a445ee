// Runs the procedures of every panel on an in-memory form, in any order and on any text,
// and checks after each step what must always hold.
//
// The input is a sequence of lines. "Text29=6" types the text after the first = into the
// field named before it; any other line clicks the control it names ("addfrac", "clear").
// A name that is none of the 25 fields or 20 controls still picks one, from its bytes, so
// that every input the fuzzer makes up is a run of steps.

#include "core/convert.h"
#include "core/failure.h"
#include "panels/procedures.h"
#include "tests/fuzz/write_rules.h"
#include "tests/support/memory_form.h"
#include "tests/support/reference_math.h"

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include <sys/time.h>
#include <unistd.h>

namespace vorantis::fuzz {
namespace {

using testing::MemoryForm;

// No procedure of this program runs a loop more than some fifteen thousand rounds (the
// prime test of 2147483647), well within a millisecond; a second of processor time means a
// loop that does not end. A timer stops such a procedure, which would otherwise never come
// back to be checked.
constexpr int cpuSecondsPerStep = 1;
std::string_view runningControl;

extern "C" void stopEndlessProcedure(int)
{
    constexpr char message[] = "\n== invariant broken: a procedure ran for more than a second: ";
    ssize_t ignored = write(STDERR_FILENO, message, sizeof message - 1);
    ignored = write(STDERR_FILENO, runningControl.data(), runningControl.size());
    ignored = write(STDERR_FILENO, "\n", 1);
    (void)ignored;
    std::abort();
}

class StepTimer {
public:
    explicit StepTimer(std::string_view control)
    {
        static const auto handler = std::signal(SIGVTALRM, stopEndlessProcedure);
        (void)handler;
        runningControl = control;
        set(cpuSecondsPerStep);
    }
    ~StepTimer() { set(0); }
    StepTimer(const StepTimer&) = delete;
    StepTimer& operator=(const StepTimer&) = delete;

private:
    static void set(int seconds)
    {
        itimerval timer{};
        timer.it_value.tv_sec = seconds;
        setitimer(ITIMER_VIRTUAL, &timer, nullptr);
    }
};

std::size_t pick(std::string_view name, std::size_t count)
{
    std::size_t sum = 0;
    for (const char c : name)
        sum += static_cast<unsigned char>(c);
    return sum % count;
}

Field fieldNamed(std::string_view name)
{
    for (const Field field : allFields)
        if (controlName(field) == name)
            return field;
    return allFields[pick(name, allFields.size())];
}

const Procedure& procedureNamed(std::string_view name)
{
    if (const Procedure* procedure = procedureFor(name))
        return *procedure;
    return procedures()[pick(name, procedures().size())];
}

// What the prime panel must show for the number it was given.
std::string verdictProblem(const MemoryForm& form)
{
    const std::int64_t number = TextToLong(form.text(Field::Text9));
    const std::string expected = number < 2 ? "Neither"
        : testing::isPrimeByTrial(number)   ? "Prime"
                                            : "Composite";
    const std::string shown = form.caption(Label::Label17);
    return shown == expected ? "" : "shows \"" + shown + "\" for a number that is " + expected;
}

std::string clearProblem(const MemoryForm& form, std::string_view control)
{
    for (const Field field : allFields)
        if (!form.text(field).empty())
            return std::string(controlName(field)) + " is not empty after a Clear";
    if (control == "clear" &&
        (form.caption(Label::Label12) != "Calculate" || form.caption(Label::Label17) != "Check"))
        return "the File menu's Clear left a result caption";
    return {};
}

// The steps up to the one that broke an invariant reproduce it.
[[noreturn]] void report(const std::vector<std::string_view>& steps, const MemoryForm& after,
                         const std::string& problem)
{
    std::fprintf(stderr, "\n== invariant broken: %s\n== steps:", problem.c_str());
    for (const std::string_view step : steps)
        std::fprintf(stderr, " [%.*s]", static_cast<int>(step.size()), step.data());
    std::fprintf(stderr, "\n== writes of the last step:");
    for (const testing::Write& write : after.writes())
        std::fprintf(stderr, " %s=\"%s\"", write.control.c_str(), write.value.c_str());
    std::fprintf(stderr, "\n");
    std::abort();
}

void click(MemoryForm& form, const Procedure& procedure, const std::vector<std::string_view>& steps)
{
    form.forgetWrites();
    bool finished = false;
    std::string problem;
    try {
        const StepTimer timer(procedure.control);
        procedure.run(form);
        finished = true;
    } catch (const Failure& failure) {
        if (std::string_view(failure.what()).empty())
            problem = "failed with no message";
    } catch (const std::exception& other) {
        problem = std::string("let through a failure of another type: ") + other.what();
    } catch (...) {
        problem = "let through something that is no failure";
    }
    if (problem.empty())
        problem = writeProblem(procedure.control, form.writes(), form, finished);
    if (problem.empty() && finished && procedure.control.starts_with("clear"))
        problem = clearProblem(form, procedure.control);
    if (problem.empty() && finished && procedure.control == "Label17")
        problem = verdictProblem(form);
    if (!problem.empty())
        report(steps, form, std::string(procedure.control) + " " + problem);
}

} // namespace
} // namespace vorantis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vorantis;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    testing::MemoryForm form;
    std::vector<std::string_view> steps;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        if (line.empty())
            continue;
        steps.push_back(line);
        if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            form.type(fuzz::fieldNamed(line.substr(0, equals)), std::string(line.substr(equals + 1)));
        } else {
            fuzz::click(form, fuzz::procedureNamed(line), steps);
        }
    }
    return 0;
}
