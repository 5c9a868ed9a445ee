#include "core/failure.h"
#include "panels/root_power_prime.h"
#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vorantis {
namespace {

using testing::MemoryForm;
using testing::Write;

// Records the order in which the procedure reads fields and captions.
class ReadLogForm : public MemoryForm {
public:
    std::string text(Field field) const override
    {
        m_reads.emplace_back(controlName(field));
        return MemoryForm::text(field);
    }
    std::string caption(Label label) const override
    {
        m_reads.emplace_back(controlName(label));
        return MemoryForm::caption(label);
    }
    mutable std::vector<std::string> m_reads;
};

// A row either gives `result` or fails with `kind` and a message that contains `says`.
struct Row {
    const char *input, *input2;
    const char* result;
    FailureKind kind = FailureKind::InvalidOperation;
    const char* says = "";
};

// Runs the click on a form whose output already shows `before`; checks the row and
// returns the reads.
std::vector<std::string> check(void (*click)(Form&), Field in, Field in2, const Row& row,
                               void (*setOutput)(Form&, const char*), const char* before)
{
    ReadLogForm form;
    form.type(in, row.input);
    form.type(in2, row.input2 ? row.input2 : "");
    setOutput(form, before);
    form.forgetWrites();
    const std::string name = std::string(row.input) + " | " + (row.input2 ? row.input2 : "");
    try {
        click(form);
        EXPECT_TRUE(row.result) << name << ": no failure";
        if (row.result) {
            EXPECT_EQ(form.writes().back().value, row.result) << name;
        }
    } catch (const Failure& failure) {
        EXPECT_FALSE(row.result) << name << ": " << failure.what();
        EXPECT_EQ(failure.kind(), row.kind) << name;
        EXPECT_NE(std::string(failure.what()).find(row.says), std::string::npos) << failure.what();
        EXPECT_TRUE(form.writes().empty()) << name; // the output keeps what it showed
    }
    return form.m_reads;
}

TEST(SquareRootPanel, RootInItsOwnCaption)
{
    const Row rows[]{
        {"16", nullptr, "4"}, {"2", nullptr, "1.4142135623731"}, {"0", nullptr, "0"},
        {"-0", nullptr, "0"}, {"2.25", nullptr, "1.5"}, {"1E+30", nullptr, "1E+15"},
        {"-4", nullptr, nullptr, FailureKind::InvalidOperation,
         "-4 is negative: a square root needs a number of 0 or more"},
        {"-0.01", nullptr, nullptr, FailureKind::InvalidOperation, "-0.01 is negative"},
        {"four", nullptr, nullptr, FailureKind::NotANumber, "\"four\" is not a number"},
        {"", nullptr, nullptr, FailureKind::NotANumber, "empty"},
    };
    const auto caption = [](Form& form, const char* text) { form.setCaption(Label::Label12, text); };
    for (const Row& row : rows)
        EXPECT_EQ(check(Label12_Click, Field::Text8, Field::Text9, row, caption, "3"),
                  std::vector<std::string>{"Text8"});
}

TEST(PowerPanel, ExponentReadFirstAndPowersWithNoValue)
{
    const Row rows[]{
        // {exponent, base, ...}
        {"10", "2", "1024"}, {"0.5", "9", "3"}, {"-1", "2", "0.5"}, {"0", "0", "1"},
        {"3", "-8", "-512"}, {"-2", "-2", "0.25"}, {"0", "-3", "1"}, {"0.5", "-0", "0"},
        {"308", "10", "1E+308"}, {"1080", "0.5", "0"}, // too small a result becomes 0
        {"0.5", "-8", nullptr, FailureKind::InvalidOperation,
         "-8 to the power 0.5 has no value: a negative number can only be raised to a whole-number power"},
        {"-1.5", "-1", nullptr, FailureKind::InvalidOperation, "has no value"},
        {"-1", "0", nullptr, FailureKind::DivisionByZero,
         "0 to the power -1 has no value: 0 to a negative power would divide by zero"},
        {"-2", "-0", nullptr, FailureKind::DivisionByZero, "divide by zero"},
        {"309", "10", nullptr, FailureKind::OutOfRange, "10 to the power 309 is too large a number"},
        {"309", "-10", nullptr, FailureKind::OutOfRange, "too large"},
        {"-1075", "0.5", nullptr, FailureKind::OutOfRange, "too large"},
        {"e", "b", nullptr, FailureKind::NotANumber, "\"e\""}, // the exponent is converted first
        {"2", "", nullptr, FailureKind::NotANumber, "empty"},
    };
    const auto result = [](Form& form, const char* text) { form.setText(Field::Text15, text); };
    for (const Row& row : rows)
        EXPECT_EQ(check(calcsquare_Click, Field::Text14, Field::Text13, row, result, "7"),
                  (std::vector<std::string>{"Text14", "Text13"}));
}

TEST(PrimePanel, CaptionGoesThroughTrueOrFalseToTheWord)
{
    const Row rows[]{
        {"7", nullptr, "Prime"}, {"2", nullptr, "Prime"}, {"3", nullptr, "Prime"},
        {"2147483647", nullptr, "Prime"}, {"9", nullptr, "Composite"},
        {"4", nullptr, "Composite"}, {"25", nullptr, "Composite"},
        {"0", nullptr, "Neither"}, {"1", nullptr, "Neither"},
        {"-7", nullptr, nullptr, FailureKind::InvalidOperation, "must be 0 or more"},
        {"seven", nullptr, nullptr, FailureKind::NotANumber, "not a number"},
        {"", nullptr, nullptr, FailureKind::NotANumber, "not a number"},
        {"2147483648", nullptr, nullptr, FailureKind::OutOfRange, "outside"},
        {"-2147483649", nullptr, nullptr, FailureKind::OutOfRange, "outside"},
    };
    const auto caption = [](Form& form, const char* text) { form.setCaption(Label::Label17, text); };
    for (const Row& row : rows)
        for (const char* before : {"Check", "Prime", "Composite", "True", "False"}) {
            const std::vector<std::string> reads =
                check(Label17_Click, Field::Text9, Field::Text8, row, caption, before);
            // "True"/"False" is written, then read back twice to become the word.
            const bool word = row.result && std::string(row.result) != "Neither";
            EXPECT_EQ(reads, (word ? std::vector<std::string>{"Text9", "Label17", "Label17"}
                                   : std::vector<std::string>{"Text9"}));
        }
    MemoryForm form;
    form.type(Field::Text9, "9");
    Label17_Click(form);
    EXPECT_EQ(form.writes(), (std::vector<Write>{{"Label17", "False"}, {"Label17", "Composite"}}));
}

TEST(RootPowerPrimePanels, RepeatedClicksFollowTheInput)
{
    MemoryForm form;
    const struct {
        void (*click)(Form&);
        Field field;
        const char* text;
    } clicks[]{
        {Label12_Click, Field::Text8, "16"}, {Label12_Click, Field::Text8, "2"},
        {Label17_Click, Field::Text9, "9"},  {Label17_Click, Field::Text9, "9"},
        {Label17_Click, Field::Text9, "23"}, {Label17_Click, Field::Text9, "1"},
        {calcsquare_Click, Field::Text13, "3"}, {calcsquare_Click, Field::Text14, "4"},
    };
    form.type(Field::Text13, "2");
    form.type(Field::Text14, "2");
    for (const auto& c : clicks) {
        form.type(c.field, c.text);
        c.click(form);
    }
    EXPECT_EQ(form.writes(), (std::vector<Write>{
                                 {"Label12", "4"}, {"Label12", "1.4142135623731"},
                                 {"Label17", "False"}, {"Label17", "Composite"},
                                 {"Label17", "False"}, {"Label17", "Composite"},
                                 {"Label17", "True"}, {"Label17", "Prime"}, {"Label17", "Neither"},
                                 {"Text15", "9"}, {"Text15", "81"},
                             }));
}

} // namespace
} // namespace vorantis
